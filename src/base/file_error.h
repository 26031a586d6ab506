#pragma once

#include <string>

namespace bevelmint::base {

// The one error type at every file boundary, from a failed write up to the
// window's message box and the command line's error line: what the user is told
// (naming the file), the file it concerns (empty when no single file failed) and
// the system's error number behind it (0 when the system reported none).
struct FileError {
    std::string message;
    std::string path = {};
    int systemError = 0;
};

// What was being done with a file when the system refused.
enum class FileUse { read, write };

// Why the system refused `use` of path, in words a user can act on, naming what
// is in the way: "the folder /a does not exist", "the folder /a is read-only",
// "/a is not a folder", "the disk is full", "permission denied", ... The one
// place these words are kept.
std::string reasonText(const std::string& path, int error, FileUse use);

// "Cannot read <path>: <reason>" or "Cannot write <path>: <reason>".
FileError systemFileError(const std::string& path, int error, FileUse use);
// A file that is there but no regular file (a folder, a device, a pipe).
FileError notRegularFile(const std::string& path);
// A file larger than its reader takes.
FileError fileTooLarge(const std::string& path);
// A picture or texture that could not be written: "Cannot create file <path>",
// with the reason of `cause` when the system gave one.
FileError cannotCreate(const std::string& path, const FileError& cause = {});

}  // namespace bevelmint::base
