#include "export/picture_set.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "export/palette_png_writer.h"
#include "export/svg_writer.h"
#include "state/layout.h"
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

PictureSetRequest atScale(const PictureSetRequest& request, size_t index,
                          const state::ButtonState& s) {
    PictureSetRequest one = request;
    if (index >= request.scales.size()) return one;
    one.scales = {request.scales[index]};
    for (std::string* path : {&one.normal, &one.hover, &one.pressed, &one.sprite})
        if (index > 0 && fileFormat(request, *path, s) == PictureFormat::svg) path->clear();
    return one;
}

int filesPerButton(const PictureSetRequest& request, const state::ButtonState& s) {
    int files = 0;
    for (const std::string* path :
         {&request.normal, &request.hover, &request.pressed, &request.sprite}) {
        if (path->empty()) continue;
        files += fileFormat(request, *path, s) == PictureFormat::svg
                     ? 1
                     : static_cast<int>(request.scales.size());
    }
    return files;
}

PictureSource freshRenders(const state::ButtonState& s, const image::Picture* texture,
                           render::TextEngine& text) {
    return [s, texture, &text](int scale, bool withHover) {
        return render::renderButtonPictures(s, texture, scale, text, withHover);
    };
}

VectorInputs vectorInputs(const state::ButtonState& s, const image::Picture* texture,
                          render::TextEngine& text) {
    const render::TextEngine::Metrics m =
        text.metrics(s.textFont, state::characterHeight(s.textFont.size));
    return {{m.ascent, m.descent}, s.textureActive ? texture : nullptr};
}

std::vector<PictureFile> encodePictureSet(const PictureSetRequest& request,
                                          const state::ButtonState& s, const PictureSource& source,
                                          const VectorSource& vectors) {
    using vector::Look;
    struct Output {
        const std::string* path;
        std::vector<Look> looks;
    };
    const Output outputs[] = {{&request.normal, {Look::rest}},
                              {&request.hover, {Look::hover}},
                              {&request.pressed, {Look::pressed}},
                              {&request.sprite, {Look::rest, Look::hover, Look::pressed}}};
    bool rendered = false, withHover = false;
    for (const Output& o : outputs) {
        if (o.path->empty() || fileFormat(request, *o.path, s) == PictureFormat::svg) continue;
        rendered = true;
        withHover = withHover || o.looks.size() > 1 || o.looks.front() == Look::hover;
    }
    std::vector<vector::VectorButton> described;
    VectorInputs inputs;
    std::vector<PictureFile> files;
    for (int scale : request.scales) {
        const render::ButtonPictures pictures =
            rendered ? source(scale, withHover) : render::ButtonPictures{};
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
        for (const Output& o : outputs) {
            const std::string& path = *o.path;
            if (path.empty()) continue;
            const PictureFormat format = fileFormat(request, path, s);
            if (format == PictureFormat::svg) {
                if (scale != request.scales.front()) continue;
                if (described.empty()) {
                    if (vectors) inputs = vectors();
                    described = vector::describeScales(s, inputs.metrics);
                }
                files.push_back(
                    {path, svgPicture(described, o.looks, s.buttonText, inputs.texture), {}});
                continue;
            }
            std::vector<const image::Picture*> parts;
            for (Look look : o.looks)
                parts.push_back(look == Look::rest    ? &pictures.normal
                                : look == Look::hover ? &pictures.hover
                                                      : &pictures.pressed);
            PictureFile file{request.scaleNames ? scaledFileName(path, scale) : path, {}, {}};
            encode(file, format, parts);
            files.push_back(std::move(file));
        }
    }
    return files;
}

}  // namespace bevelmint::exporter
