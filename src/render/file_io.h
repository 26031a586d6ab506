#pragma once

#include <optional>
#include <string>

namespace bevelmint::render {

// The one error type at every file boundary: the message the user will see.
struct FileError {
    std::string message;
};

// Writes bytes to path through a temporary file in the same folder that replaces
// the target only once it is complete, so a failed write leaves any old file as
// it was and nothing partial behind. On failure the error carries failMessage.
std::optional<FileError> writeFileReplacing(const std::string& path, const std::string& bytes,
                                            const std::string& failMessage);

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

}  // namespace bevelmint::render
