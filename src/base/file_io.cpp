#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
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

// A file-size limit must fail the write with EFBIG, which is reported, instead of
// killing the program in the middle of a batch with its temporaries left behind.
void ignoreFileSizeSignal() {
    static const bool ignored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    (void)ignored;
}

}  // namespace

FileBatch::~FileBatch() {
    for (const Staged& f : staged_)
        ::unlink(f.temporary.c_str());
}

std::optional<FileError> FileBatch::stage(const std::string& path, const std::string& bytes) {
    if (mode_ == Mode::compare) {
        // A file larger than the new bytes differs without being read whole.
        std::string onDisk;
        if (readWholeFile(path, onDisk, bytes.size()) || onDisk != bytes)
            differing_.push_back(path);
        return std::nullopt;
    }
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode))
        return systemFileError(path, EISDIR, FileUse::write);
    ignoreFileSizeSignal();
    std::string pattern = path + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return systemFileError(path, errno, FileUse::write);
    staged_.push_back({path, std::string(name.data())});
    // mkstemp creates 0600; give the file the usual permissions for a new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    int error = 0;
    if (!writeAll(fd, bytes)) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return systemFileError(path, error, FileUse::write);
    return std::nullopt;
}

std::optional<FileError> FileBatch::stageUnlessSame(const std::string& path,
                                                    const std::string& bytes) {
    struct stat st {};
    std::string held;
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<uint64_t>(st.st_size) == bytes.size() &&
        !readWholeFile(path, held, bytes.size()) && held == bytes) {
        return std::nullopt;
    }
    return stage(path, bytes);
}

namespace {

// An old file kept under a fresh name beside its target until the batch is done.
struct OldFile {
    std::string target, backup;  // backup empty: there was no old file
    bool moved = false;          // moved away rather than linked

    // A second hard link keeps the file in place; where the file system has
    // none, the file is moved.
    std::optional<int> keep() {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) return std::nullopt;
        if (S_ISDIR(st.st_mode)) return EISDIR;
        static unsigned counter = 0;
        for (;;) {
            backup = target + ".old" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
            if (::link(target.c_str(), backup.c_str()) == 0) return std::nullopt;
            if (errno == EEXIST) continue;
            moved = std::rename(target.c_str(), backup.c_str()) == 0;
            if (moved) return std::nullopt;
            backup.clear();
            return errno;
        }
    }
    // Puts the old file back: over the new one once replaced, else where it was.
    void restore(bool replaced) const {
        if (backup.empty()) {
            if (replaced) ::unlink(target.c_str());
        } else if (replaced || moved) {
            std::rename(backup.c_str(), target.c_str());
        } else {
            ::unlink(backup.c_str());
        }
    }
};

}  // namespace

// Every old file is kept until all new ones are in place; on a failure the old
// files go back over the new ones, so the folders are left as they were.
std::optional<FileError> FileBatch::commit() {
    std::vector<OldFile> replaced;
    std::optional<FileError> error;
    for (const Staged& f : staged_) {
        OldFile old{f.target, {}, false};
        std::optional<int> failed = old.keep();
        if (!failed && std::rename(f.temporary.c_str(), f.target.c_str()) != 0) {
            failed = errno;
            old.restore(false);
        }
        if (failed) {
            error = systemFileError(f.target, *failed, FileUse::write);
            break;
        }
        replaced.push_back(old);
    }
    for (auto it = replaced.rbegin(); error && it != replaced.rend(); ++it)
        it->restore(true);
    for (const OldFile& old : replaced)
        if (!error && !old.backup.empty()) ::unlink(old.backup.c_str());
    for (size_t i = replaced.size(); i < staged_.size(); ++i)
        ::unlink(staged_[i].temporary.c_str());
    staged_.clear();
    return error;
}

std::optional<FileError> writeFileReplacing(const std::string& path, const std::string& bytes) {
    FileBatch batch;
    if (auto error = batch.stage(path, bytes)) return error;
    return batch.commit();
}

namespace {

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

std::optional<FileError> readWholeFile(const std::string& path, std::string& out, uint64_t maxBytes,
                                       const SizeBound& bound) {
    const FileError tooLarge = fileTooLarge(path);
    // O_NONBLOCK: opening a pipe without a writer must not wait for one.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    if (file.fd < 0) return systemFileError(path, errno, FileUse::read);
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) return systemFileError(path, errno, FileUse::read);
    if (S_ISDIR(st.st_mode)) return systemFileError(path, EISDIR, FileUse::read);
    if (!S_ISREG(st.st_mode)) return notRegularFile(path);
    if (static_cast<uint64_t>(st.st_size) > maxBytes) return tooLarge;
    std::string bytes;
    uint64_t limit = maxBytes;
    bool bounded = !bound;
    char buffer[kHeadBytes];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return systemFileError(path, errno, FileUse::read);
        if (n > 0) bytes.append(buffer, static_cast<size_t>(n));
        if (!bounded && (n == 0 || bytes.size() >= kHeadBytes)) {
            bounded = true;
            limit = std::min(limit, bound(std::string_view(bytes).substr(0, kHeadBytes)));
            if (static_cast<uint64_t>(st.st_size) > limit) return tooLarge;
        }
        // The file may grow while it is read: never hold more than the limit.
        if (bytes.size() > limit) return tooLarge;
        if (n == 0) break;
    }
    out = std::move(bytes);
    return std::nullopt;
}

std::optional<FileError> refuseSameFileTwice(const std::vector<std::string>& paths) {
    namespace fs = std::filesystem;
    std::vector<fs::path> seen;
    for (const std::string& path : paths) {
        const fs::path p(path);
        std::error_code ec;
        const fs::path parent = p.has_parent_path() ? p.parent_path() : fs::path(".");
        const fs::path folder = fs::weakly_canonical(fs::absolute(parent, ec), ec);
        const fs::path key = folder / p.filename();
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
            return FileError{"The file " + path +
                             " is named for two outputs; each output needs a file of its own"};
        }
        seen.push_back(key);
    }
    return std::nullopt;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace bevelmint::base
