#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_io.h"
#include "render/texture.h"
#include "state/button_state.h"

namespace bevelmint::files {

// A design file is a few hundred bytes; anything past this is not one.
inline constexpr uint64_t kMaxDesignBytes = uint64_t{1} << 20;

// The lines of a design file as read, before any is applied. Byte lines hold
// 0..255 (26 past the end of the file), number lines a signed value, text lines
// their raw bytes.
struct DesignLines {
    int shape = 0, roundness = 0;
    int64_t width = 0, height = 0, depth = 0;
    int buttonRed = 0, buttonGreen = 0, buttonBlue = 0;
    int textRed = 0, textGreen = 0, textBlue = 0;
    int lightPosition = 0, lightRadius = 0, lightIntensity = 0, borderFade = 0;
    int lightenFront = 0, useText = 0;
    std::string buttonText;
    int textLength = 0;
    std::string fontFace;
    int bold = 0, italic = 0, fontSize = 0, text3D = 0;
    int64_t textOffsetX = 0, textOffsetY = 0;
    int useTexture = 0;
    std::string texturePath;
    int textureBrightness = 0;
    int stretchPreview = 0, exportFormat = 0, exportPressed = 0, jpegCompression = 0;
    int jpegProgressive = 0;
    // What follows the last fixed line (line 32, or 34 with a texture): the
    // extension lines, name=value each.
    int fixedLines = 32;
    std::string extension;
};

// A message box the load asks for without failing ("Load error").
struct Notice {
    std::string caption;
    std::string text;
};

struct LoadResult {
    std::optional<base::FileError> error;  // nothing was changed
    std::vector<Notice> notices;           // the load went on
};

// The design's bytes, 32 lines or 34 with a texture, each ended CR LF. Refused
// with a message when a text would break the line format.
std::optional<base::FileError> encodeDesign(const state::ButtonState& s, std::string& out);

// The settings a design keeps beyond the fixed lines (the smoothing choice, the
// background colour, the hover light, the web export's settings), as
// "name=value" lines (\\, \n and \r escaped in the value) ended CR LF after
// the last fixed line, for each that differs from the default design only. So a
// design without them is written exactly as the fixed format has it, and a
// reader that stops after the last fixed line still reads the file.
std::string extensionLines(const state::ButtonState& s);

// Sets the extension settings to their defaults, then applies the lines of an
// extension (numbered from firstLine for the messages). An unknown name is
// ignored with a warning, a line that is not name=value or holds a value out of
// range is reported and ignored; none stops the load.
std::vector<Notice> applyExtensionLines(std::string_view text, int firstLine,
                                        state::ButtonState& s);

// A file the save writes: the design, or its texture beside it.
struct OutputFile {
    std::string path;
    std::string bytes;
    bool isTexture = false;
};

// What saving the design to path writes: the design file, and the unadjusted
// texture (its file's own bytes when at hand) under its own file name in the same
// folder while one is used. Refused when both would be the same file.
std::optional<base::FileError> designFiles(const std::string& path, const state::ButtonState& s,
                                           const render::TextureImages& images,
                                           std::vector<OutputFile>& out);

// Stages the files of a save in a batch. The error names the file: "<path>:
// <reason>", or for the texture "Cannot create file <path>".
std::optional<base::FileError> stageDesignFiles(base::FileBatch& batch,
                                                const std::vector<OutputFile>& files);

// Saves the design and its texture, both or neither. The error names the file
// as stageDesignFiles does.
std::optional<base::FileError> writeDesignFile(const std::string& path, const state::ButtonState& s,
                                               const render::TextureImages& images);

// Reads and checks the lines; nullopt when the bytes are not a design file.
std::optional<DesignLines> parseDesign(std::string_view bytes);

// What a look-up path holds for a texture: nothing, or a file whose bytes were
// read or could not be.
struct TextureFile {
    bool found = false;
    std::string bytes;
    std::optional<base::FileError> error;
};
using TextureReader = std::function<TextureFile(const std::string& lookupPath)>;

// The texture bitmap at a look-up path in the file system.
TextureFile readTextureFile(const std::string& lookupPath);

// Applies checked lines to the state as the editor's controls would take them,
// looking the texture up in designFolder through read. Never fails; a missing
// texture is a notice.
std::vector<Notice> applyDesign(const DesignLines& d, const std::string& designFolder,
                                state::ButtonState& s, render::TextureImages& images,
                                const TextureReader& read = readTextureFile);

// Loads a design file: a file that cannot be read or is not a design leaves the
// state and the texture exactly as they were. The caller renders afterwards.
LoadResult readDesignFile(const std::string& path, state::ButtonState& s,
                          render::TextureImages& images);

// The file-name part of a stored texture path: after the last "/" of a path of
// this system, where a backslash is an ordinary character of a name; after the
// last backslash of a path without "/", which comes from a Windows system. The
// texture is saved under this name and looked up under it on loading.
std::string storedFileName(const std::string& path);

// The message of a missing texture.
Notice textureMissingNotice(const std::string& lookupPath);

}  // namespace bevelmint::files
