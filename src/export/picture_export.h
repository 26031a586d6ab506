#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "image/picture.h"
#include "image/rgba_picture.h"
#include "state/button_state.h"

namespace bevelmint::exporter {

// Every picture format the exporter writes; a design file keeps one of the
// first three as its export choice. SVG is drawn from the vector description,
// not rendered (svg_writer.h).
using PictureFormat = state::PictureFormat;

PictureFormat pictureFormat(state::ExportFormat format);
// The design's export choice for a format, if it has one.
std::optional<state::ExportFormat> exportFormat(PictureFormat format);
// Browsers show every format but BMP.
bool shownInBrowsers(PictureFormat format);
// The format a file name's extension names (.gif, .jpg/.jpeg, .bmp, .png,
// .webp, .svg), if any.
std::optional<PictureFormat> formatFromExtension(const std::string& path);

// PNG and WebP carry the outline's coverage as alpha.
bool hasAlpha(PictureFormat format);

// A picture rendered at a scale (the button in its top-left corner) cut to the
// button's size there, with the outline's coverage as alpha.
image::RgbaPicture cutOutPicture(const state::ButtonState& s, int scale,
                                 const image::Picture& picture);

// A cut-out picture (or several stacked) as PNG or WebP; empty only when the
// encoder fails.
std::string encodeCutOut(PictureFormat format, const image::RgbaPicture& picture);

// Pictures rendered at a scale, each holding the button in its top-left corner,
// cut to the button's size at that scale and stacked from the top into one file:
// BMP, JPEG with the state's compression and progressive choice, GIF transparent
// outside round shapes, or PNG and WebP with the outline's coverage as alpha
// (nothing outside the outline shows). Empty only when an encoder fails, and
// for SVG, which is not made from pixels.
std::string encodeStacked(PictureFormat format, const state::ButtonState& s, int scale,
                          const std::vector<const image::Picture*>& pictures);

// A picture at scale 1 in the state's export format.
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

}  // namespace bevelmint::exporter
