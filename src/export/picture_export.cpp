#include "export/picture_export.h"

#include <algorithm>
#include <cctype>

#include "export/gif/gif_writer.h"
#include "export/jpeg_writer.h"
#include "image/bmp_writer.h"

namespace bevelmint::exporter {

std::string encodeForExport(const state::ButtonState& s, const image::Picture& picture) {
    const int w = std::min(s.buttonWidth, picture.width());
    const int h = std::min(s.buttonHeight, picture.height());
    switch (s.exportFormat) {
        case state::ExportFormat::bmp:
            return image::encodeBmp(picture, w, h);
        case state::ExportFormat::jpg:
            return encodeJpeg(picture, w, h, s.jpegCompression, s.jpegProgressive);
        case state::ExportFormat::gif:
            return encodeGifPicture(picture, w, h, s.shapeKind != state::ShapeKind::rect);
    }
    return {};
}

std::optional<base::FileError> stagePicture(base::FileBatch& batch, const std::string& path,
                                            const std::string& bytes) {
    if (batch.stage(path, bytes)) return base::FileError{base::cannotCreateMessage(path)};
    return std::nullopt;
}

std::optional<base::FileError> exportPictures(const state::ButtonState& s,
                                              const image::Picture& normal,
                                              const image::Picture& pressed,
                                              const std::string& normalPath,
                                              const std::string& pressedPath) {
    base::FileBatch batch;
    if (auto e = stagePicture(batch, normalPath, encodeForExport(s, normal))) return e;
    if (s.exportPressed) {
        if (auto e = stagePicture(batch, pressedPath, encodeForExport(s, pressed))) return e;
    }
    if (batch.commit()) return base::FileError{base::cannotCreateMessage(batch.failedPath())};
    return std::nullopt;
}

std::optional<state::ExportFormat> formatFromExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::nullopt;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "gif") return state::ExportFormat::gif;
    if (ext == "jpg" || ext == "jpeg") return state::ExportFormat::jpg;
    if (ext == "bmp") return state::ExportFormat::bmp;
    return std::nullopt;
}

}  // namespace bevelmint::exporter
