#pragma once

#include <optional>
#include <string>

#include "render/file_io.h"
#include "render/picture.h"
#include "state/button_state.h"

namespace bevelmint::exporter {

// A picture cut to the button's size, encoded in the state's export format:
// BMP, JPEG with the state's compression and progressive choice, or GIF,
// transparent outside round shapes.
std::string encodeForExport(const state::ButtonState& s, const render::Picture& picture);

// Writes the normal picture, and the pressed one when the state asks for it,
// both or neither. The error reads "Cannot create file <path>".
std::optional<render::FileError> exportPictures(const state::ButtonState& s,
                                                const render::Picture& normal,
                                                const render::Picture& pressed,
                                                const std::string& normalPath,
                                                const std::string& pressedPath);

// Stages bytes in a batch; the error reads "Cannot create file <path>".
std::optional<render::FileError> stagePicture(render::FileBatch& batch, const std::string& path,
                                              const std::string& bytes);

// The format a file name's extension names (.gif, .jpg/.jpeg, .bmp), if any.
std::optional<state::ExportFormat> formatFromExtension(const std::string& path);

}  // namespace bevelmint::exporter
