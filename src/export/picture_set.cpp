#include "export/picture_set.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "export/palette_png_writer.h"
#include "state/state_rules.h"

namespace bevelmint::exporter {

std::string scaledFileName(const std::string& path, int scale) {
    if (scale == 1) return path;
    const std::string mark = "@" + std::to_string(scale) + "x";
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && slash > dot) ||
        dot == (slash == std::string::npos ? 0 : slash + 1)) {
        return path + mark;
    }
    return path.substr(0, dot) + mark + path.substr(dot);
}

PictureFormat fileFormat(const PictureSetRequest& request, const std::string& path,
                         const state::ButtonState& s) {
    if (request.format) return *request.format;
    if (auto f = formatFromExtension(path)) return *f;
    return pictureFormat(s.exportFormat);
}

std::optional<std::string> checkRequest(const PictureSetRequest& request,
                                        const state::ButtonState& s) {
    for (int scale : request.scales) {
        if (!state::kScaleRange.contains(scale)) {
            return "a scale must lie in " + std::to_string(state::kScaleRange.min) + ".." +
                   std::to_string(state::kScaleRange.max) + ", not " + std::to_string(scale);
        }
    }
    std::optional<PictureFormat> shared;
    bool png = false;
    for (const std::string* path : {&request.normal, &request.hover, &request.pressed}) {
        if (path->empty()) continue;
        const PictureFormat f = fileFormat(request, *path, s);
        if (shared && *shared != f) {
            return "the normal, hover and pressed pictures name different picture formats";
        }
        shared = f;
        png = png || f == PictureFormat::png;
    }
    png = png ||
          (!request.sprite.empty() && fileFormat(request, request.sprite, s) == PictureFormat::png);
    if (request.palette && !png) return "a palette is for PNG pictures: name a .png file";
    return std::nullopt;
}

PictureSource freshRenders(const state::ButtonState& s, const image::Picture* texture,
                           render::TextEngine& text) {
    return [s, texture, &text](int scale, bool withHover) {
        return render::renderButtonPictures(s, texture, scale, text, withHover);
    };
}

std::vector<PictureFile> encodePictureSet(const PictureSetRequest& request,
                                          const state::ButtonState& s,
                                          const PictureSource& source) {
    std::vector<PictureFile> files;
    if (request.normal.empty() && request.hover.empty() && request.pressed.empty() &&
        request.sprite.empty())
        return files;
    const bool withHover = !request.hover.empty() || !request.sprite.empty();
    for (int scale : request.scales) {
        const render::ButtonPictures pictures = source(scale, withHover);
        // Each picture is cut out along the outline once; the sprite stacks the same cut-outs.
        std::map<const image::Picture*, image::RgbaPicture> cuts;
        auto encode = [&](PictureFile& file, PictureFormat format,
                          const std::vector<const image::Picture*>& parts) {
            if (!hasAlpha(format)) {
                file.bytes = encodeStacked(format, s, scale, parts);
                return;
            }
            std::vector<const image::RgbaPicture*> cutParts;
            for (const image::Picture* p : parts) {
                auto it = cuts.find(p);
                if (it == cuts.end()) it = cuts.emplace(p, cutOutPicture(s, scale, *p)).first;
                cutParts.push_back(&it->second);
            }
            const image::RgbaPicture stacked =
                cutParts.size() == 1 ? image::RgbaPicture() : image::stackPictures(cutParts);
            const image::RgbaPicture& picture = cutParts.size() == 1 ? *cutParts.front() : stacked;
            if (format != PictureFormat::png || !request.palette) {
                file.bytes = encodeCutOut(format, picture);
                return;
            }
            PalettePng png = encodePalettePng(picture);
            file.bytes = std::move(png.bytes);
            if (!png.palette) file.notice = file.path + ": " + png.notice;
        };
        auto add = [&](const std::string& path, const std::vector<const image::Picture*>& parts) {
            if (path.empty()) return;
            PictureFile file{request.scaleNames ? scaledFileName(path, scale) : path, {}, {}};
            encode(file, fileFormat(request, path, s), parts);
            files.push_back(std::move(file));
        };
        add(request.normal, {&pictures.normal});
        add(request.hover, {&pictures.hover});
        add(request.pressed, {&pictures.pressed});
        add(request.sprite, {&pictures.normal, &pictures.hover, &pictures.pressed});
    }
    return files;
}

}  // namespace bevelmint::exporter
