#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace bevelmint::base {

namespace {

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

FileBatch::~FileBatch() {
    for (const Staged& f : staged_)
        ::unlink(f.temporary.c_str());
}

std::optional<int> FileBatch::stage(const std::string& path, const std::string& bytes) {
    if (mode_ == Mode::compare) {
        const std::optional<std::string> onDisk = readWholeFile(path);
        if (!onDisk || *onDisk != bytes) differing_.push_back(path);
        return std::nullopt;
    }
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) return EISDIR;
    std::string pattern = path + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return errno;
    staged_.push_back({path, std::string(name.data())});
    // mkstemp creates 0600; give the file the usual permissions for a new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    int error = 0;
    if (!writeAll(fd, bytes)) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return error;
    return std::nullopt;
}

std::optional<int> FileBatch::commit() {
    std::optional<int> error;
    size_t done = 0;
    for (; done < staged_.size(); ++done) {
        const Staged& f = staged_[done];
        if (std::rename(f.temporary.c_str(), f.target.c_str()) != 0) {
            error = errno;
            break;
        }
    }
    staged_.erase(staged_.begin(), staged_.begin() + static_cast<std::ptrdiff_t>(done));
    return error;
}

std::optional<int> writeFileReplacing(const std::string& path, const std::string& bytes) {
    FileBatch batch;
    if (auto error = batch.stage(path, bytes)) return error;
    return batch.commit();
}

std::optional<std::string> readWholeFile(const std::string& path, int* error) {
    auto fail = [&](int e) -> std::optional<std::string> {
        if (error) *error = e;
        return std::nullopt;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail(errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return fail(EISDIR);
    }
    std::string out;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int e = errno;
            ::close(fd);
            return fail(e);
        }
        if (n == 0) break;
        out.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return out;
}

std::string ioErrorText(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return "File not found";
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return "File access denied";
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "Disk full";
        case EMFILE:
        case ENFILE:
            return "Too many open files";
        case ENAMETOOLONG:
        case EINVAL:
        case EILSEQ:
            return "Invalid filename";
        default:
            return "I/O error " + std::to_string(error);
    }
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string cannotCreateMessage(const std::string& path) {
    return "Cannot create file " + path;
}

}  // namespace bevelmint::base
