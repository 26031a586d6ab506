#include "export/picture_export.h"
#include "state/enum_names.h"

#include <algorithm>
#include <cctype>

#include "export/gif/gif_writer.h"
#include "export/jpeg_writer.h"
#include "export/png_writer.h"
#include "export/webp_writer.h"
#include "image/bmp_writer.h"
#include "image/rgba_picture.h"
#include "render/coverage.h"
#include "render/scaled_design.h"
#include "state/state_rules.h"

namespace bevelmint::exporter {

namespace {

// The pictures cut along the outline, each with its own coverage, one above the other.
image::RgbaPicture cutOutStacked(const state::ButtonState& s, int scale,
                                 const std::vector<const image::Picture*>& pictures, int w, int h) {
    const render::RoundShape outline = render::exportOutline(s, scale);
    std::vector<image::RgbaPicture> cuts;
    for (const image::Picture* p : pictures)
        cuts.push_back(render::cutOut(outline, *p, w, h));
    if (cuts.size() == 1) return std::move(cuts.front());
    std::vector<const image::RgbaPicture*> parts;
    for (const image::RgbaPicture& c : cuts)
        parts.push_back(&c);
    return image::stackPictures(parts);
}

// The pictures cut to w x h, one above the other.
image::Picture cutStacked(const std::vector<const image::Picture*>& pictures, int w, int h) {
    std::vector<image::Picture> cuts;
    for (const image::Picture* p : pictures)
        cuts.push_back(p->cut(w, h));
    std::vector<const image::Picture*> parts;
    for (const image::Picture& c : cuts)
        parts.push_back(&c);
    return image::stackPictures(parts);
}

}  // namespace

PictureFormat pictureFormat(state::ExportFormat format) {
    switch (format) {
        case state::ExportFormat::bmp:
            return PictureFormat::bmp;
        case state::ExportFormat::jpg:
            return PictureFormat::jpg;
        case state::ExportFormat::gif:
            return PictureFormat::gif;
    }
    return PictureFormat::gif;
}

std::optional<state::ExportFormat> exportFormat(PictureFormat format) {
    for (state::ExportFormat f :
         {state::ExportFormat::bmp, state::ExportFormat::jpg, state::ExportFormat::gif}) {
        if (pictureFormat(f) == format) return f;
    }
    return std::nullopt;
}

bool shownInBrowsers(PictureFormat format) {
    return format != PictureFormat::bmp;
}

std::optional<PictureFormat> formatFromExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return std::nullopt;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "jpeg") return PictureFormat::jpg;
    PictureFormat f{};
    if (state::parseName(ext, f)) return f;
    return std::nullopt;
}

bool hasAlpha(PictureFormat format) {
    return format == PictureFormat::png || format == PictureFormat::webp;
}

image::RgbaPicture cutOutPicture(const state::ButtonState& s, int scale,
                                 const image::Picture& picture) {
    const state::ButtonState design = state::clampedForRender(s);
    return cutOutStacked(s, scale, {&picture},
                         std::min(design.buttonWidth * scale, picture.width()),
                         std::min(design.buttonHeight * scale, picture.height()));
}

std::string encodeCutOut(PictureFormat format, const image::RgbaPicture& picture) {
    return format == PictureFormat::webp ? encodeWebp(picture) : encodePng(picture);
}

std::string encodeStacked(PictureFormat format, const state::ButtonState& s, int scale,
                          const std::vector<const image::Picture*>& pictures) {
    if (pictures.empty()) return {};
    const state::ButtonState design = state::clampedForRender(s);
    int w = design.buttonWidth * scale, h = design.buttonHeight * scale;
    for (const image::Picture* p : pictures)
        w = std::min(w, p->width()), h = std::min(h, p->height());
    if (hasAlpha(format)) return encodeCutOut(format, cutOutStacked(s, scale, pictures, w, h));
    // One picture is encoded in place, as a plain export always was.
    image::Picture stacked;
    const image::Picture* source = pictures.front();
    if (pictures.size() > 1) {
        stacked = cutStacked(pictures, w, h);
        source = &stacked;
        h = stacked.height();
    }
    switch (format) {
        case PictureFormat::bmp:
            return image::encodeBmp(*source, w, h);
        case PictureFormat::jpg:
            return encodeJpeg(*source, w, h, s.jpegCompression, s.jpegProgressive);
        case PictureFormat::gif:
            return encodeGifPicture(*source, w, h, s.shapeKind != state::ShapeKind::rect);
        case PictureFormat::png:
        case PictureFormat::webp:
        case PictureFormat::svg:
            break;
    }
    return {};
}

std::string encodeForExport(const state::ButtonState& s, const image::Picture& picture) {
    return encodeStacked(pictureFormat(s.exportFormat), s, 1, {&picture});
}

std::optional<base::FileError> stagePicture(base::FileBatch& batch, const std::string& path,
                                            const std::string& bytes) {
    if (bytes.empty()) return base::cannotCreate(path);
    if (auto error = batch.stage(path, bytes)) return base::cannotCreate(path, *error);
    return std::nullopt;
}

std::optional<base::FileError> exportPictures(const state::ButtonState& s,
                                              const image::Picture& normal,
                                              const image::Picture& pressed,
                                              const std::string& normalPath,
                                              const std::string& pressedPath) {
    if (s.exportPressed) {
        if (auto e = base::refuseSameFileTwice({normalPath, pressedPath})) return e;
    }
    base::FileBatch batch;
    if (auto e = stagePicture(batch, normalPath, encodeForExport(s, normal))) return e;
    if (s.exportPressed) {
        if (auto e = stagePicture(batch, pressedPath, encodeForExport(s, pressed))) return e;
    }
    if (auto error = batch.commit()) return base::cannotCreate(error->path, *error);
    return std::nullopt;
}

}  // namespace bevelmint::exporter
