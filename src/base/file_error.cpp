#include "base/file_error.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace bevelmint::base {

namespace {

// The folder a path lies in, as written ("." for a bare name).
std::string folderPart(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The first part of the path's folder that exists but is no folder.
std::string firstNonFolder(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        struct stat st {};
        if (::stat(part.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) return part;
    }
    return folderPart(path);
}

// A folder nobody may write in, one whose disk is mounted read-only, or one
// marked unchangeable: not a question of who asks.
bool folderReadOnly(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) return false;
    if ((st.st_mode & 0222) == 0) return true;
    return ::access(folder.c_str(), W_OK) != 0 && (errno == EROFS || errno == EPERM);
}

}  // namespace

std::string reasonText(const std::string& path, int error, FileUse use) {
    const std::string folder = folderPart(path);
    switch (error) {
        case ENOENT:
            if (!isFolder(folder)) return "the folder " + folder + " does not exist";
            return "there is no such file";
        case ENOTDIR:
            return firstNonFolder(path) + " is not a folder";
        case EISDIR:
            return use == FileUse::write ? "a folder of that name is in the way"
                                         : "it is a folder, not a file";
        case EROFS:
            return "the folder " + folder + " is read-only";
        case EACCES:
        case EPERM:
            if (use == FileUse::write && folderReadOnly(folder))
                return "the folder " + folder + " is read-only";
            return use == FileUse::write ? "permission denied: you may not write in " + folder
                                         : "permission denied: you may not read it";
        case ENOSPC:
            return "the disk is full";
        case EDQUOT:
            return "the disk quota is used up";
        case EFBIG:
            return "the file would be larger than the system allows";
        case ETXTBSY:
            return "the file is in use";
        case EMFILE:
        case ENFILE:
            return "too many files are open";
        case ENAMETOOLONG:
        case EINVAL:
        case EILSEQ:
            return "the name is not a valid file name";
        default:
            return "system error " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

FileError systemFileError(const std::string& path, int error, FileUse use) {
    const char* verb = use == FileUse::read ? "Cannot read " : "Cannot write ";
    return FileError{verb + path + ": " + reasonText(path, error, use), path, error};
}

FileError notRegularFile(const std::string& path) {
    return FileError{"Cannot read " + path + ": it is not a regular file", path};
}

FileError fileTooLarge(const std::string& path) {
    return FileError{"Cannot read " + path + ": the file is too large", path};
}

FileError cannotCreate(const std::string& path, const FileError& cause) {
    std::string message = "Cannot create file " + path;
    if (cause.systemError != 0)
        message += ": " + reasonText(path, cause.systemError, FileUse::write);
    return FileError{message, path, cause.systemError};
}

}  // namespace bevelmint::base
