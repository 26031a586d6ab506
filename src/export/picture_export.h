#pragma once

#include <optional>
#include <string>

#include "base/file_io.h"
#include "image/picture.h"
#include "state/button_state.h"

namespace bevelmint::exporter {

// A picture cut to the button's size, encoded in the state's export format:
// BMP, JPEG with the state's compression and progressive choice, or GIF,
// transparent outside round shapes.
std::string encodeForExport(const state::ButtonState& s, const image::Picture& picture);

// Writes the normal picture, and the pressed one when the state asks for it,
// both or neither. The error reads "Cannot create file <path>".
std::optional<base::FileError> exportPictures(const state::ButtonState& s,
                                              const image::Picture& normal,
                                              const image::Picture& pressed,
                                              const std::string& normalPath,
                                              const std::string& pressedPath);

// Stages bytes in a batch; the error reads "Cannot create file <path>".
std::optional<base::FileError> stagePicture(base::FileBatch& batch, const std::string& path,
                                            const std::string& bytes);

// The format a file name's extension names (.gif, .jpg/.jpeg, .bmp), if any.
std::optional<state::ExportFormat> formatFromExtension(const std::string& path);

}  // namespace bevelmint::exporter
