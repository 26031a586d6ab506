#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_error.h"

namespace bevelmint::base {

// Writes bytes to path through a temporary file in the same folder that replaces
// the target only once it is complete, so a failed write leaves any old file as
// it was and nothing partial behind.
std::optional<FileError> writeFileReplacing(const std::string& path, const std::string& bytes);

// Several files written all or none: each is first written completely to a
// temporary file beside its target; commit renames them into place, keeping the
// old files until every new one is in place. A batch that is not committed, or
// whose commit fails, leaves the folders as they were.
//
// A comparing batch writes nothing at all: it only notes each staged file whose
// target is missing or holds other bytes, so a build can prove that the files on
// disk are what the command would write.
class FileBatch {
  public:
    enum class Mode { write, compare };
    explicit FileBatch(Mode mode = Mode::write) : mode_(mode) {}
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;
    ~FileBatch();

    // Writes the temporary file.
    std::optional<FileError> stage(const std::string& path, const std::string& bytes);
    // As stage, but a file that already holds exactly these bytes is left untouched.
    std::optional<FileError> stageUnlessSame(const std::string& path, const std::string& bytes);
    // Renames every staged file into place, in order, or on failure puts back
    // every file it had replaced; the error names the file that failed. The batch
    // is empty afterwards.
    std::optional<FileError> commit();

    // The targets a comparing batch found missing or different, in staging order.
    const std::vector<std::string>& differing() const { return differing_; }

  private:
    struct Staged {
        std::string target, temporary;
    };
    Mode mode_;
    std::vector<Staged> staged_;
    std::vector<std::string> differing_;
};

// How many of a file's first bytes a SizeBound is shown.
inline constexpr size_t kHeadBytes = 65536;

// The most bytes a file may hold, judged from its first bytes (up to kHeadBytes,
// fewer for a shorter file).
using SizeBound = std::function<uint64_t(std::string_view head)>;

// Reads a whole regular file of at most maxBytes, and at most what bound allows
// once the first bytes are known. Anything else (a folder, a device, a pipe) is
// refused without waiting on it, and a larger file without reading it all. The
// error is the user's message ("File not found", "Not a regular file", ...).
std::optional<FileError> readWholeFile(const std::string& path, std::string& out, uint64_t maxBytes,
                                       const SizeBound& bound = {});

// Refuses outputs of which two name the same file (the same folder, however
// written, and the same name): one would overwrite the other.
std::optional<FileError> refuseSameFileTwice(const std::vector<std::string>& paths);

// The folder part of a path (empty for a bare name) and the file-name part.
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

}  // namespace bevelmint::base
