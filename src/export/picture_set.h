#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "export/picture_export.h"
#include "image/picture.h"
#include "render/button_pictures.h"
#include "render/text_engine.h"
#include "state/button_state.h"
#include "vector/vector_button.h"

namespace bevelmint::exporter {

// The pictures of one export: any of the normal, hover and pressed pictures and
// the sprite sheet (the three stacked from the top), at one or more scales.
struct PictureSetRequest {
    std::string normal, hover, pressed, sprite;  // empty: not written
    std::optional<PictureFormat> format;         // else each file's extension, else the design's
    std::vector<int> scales{1};
    bool scaleNames = false;  // "@2x", "@3x" before the extension above scale 1
    bool palette = false;     // PNG files as palette PNGs where one is faithful enough
};

struct PictureFile {
    std::string path;
    std::string bytes;
    std::string notice{};  // why a palette PNG asked for is lossless; empty otherwise
};

// "b.png" at scale 2 is "b@2x.png"; a name without extension gets the mark at its end.
std::string scaledFileName(const std::string& path, int scale);

// The format one file of the request is written in.
PictureFormat fileFormat(const PictureSetRequest& request, const std::string& path,
                         const state::ButtonState& s);

// Why a request cannot be written: a scale outside 1..4, the normal, hover and
// pressed pictures in different formats (a page swaps between them), or a
// palette asked for without a PNG picture to take it.
std::optional<std::string> checkRequest(const PictureSetRequest& request,
                                        const state::ButtonState& s);

// The request at one of its scales (by index) for a run that goes scale by
// scale: an SVG picture serves every scale, so only the first scale writes it.
PictureSetRequest atScale(const PictureSetRequest& request, size_t index,
                          const state::ButtonState& s);
// How many files the request writes for one button.
int filesPerButton(const PictureSetRequest& request, const state::ButtonState& s);

// The pictures of the design at a scale, with the hover picture when asked for.
using PictureSource = std::function<render::ButtonPictures(int scale, bool withHover)>;

// A source that renders every scale afresh; `texture` is the working texture.
PictureSource freshRenders(const state::ButtonState& s, const image::Picture* texture,
                           render::TextEngine& text);

// What an SVG picture needs beyond the design: where the font puts the baseline,
// and the working texture while the design has one active.
struct VectorInputs {
    vector::TextMetrics metrics;
    const image::Picture* texture = nullptr;
};
VectorInputs vectorInputs(const state::ButtonState& s, const image::Picture* texture,
                          render::TextEngine& text);
// Asked for only when an SVG picture is written (finding the font may warn).
using VectorSource = std::function<VectorInputs()>;

// Encodes every picture asked for at every scale asked for, in the order normal,
// hover, pressed, sprite for each scale; an SVG picture is written once, at the
// first scale, under its own name, and nothing is rendered for it. A file whose
// encoder failed has empty bytes. With `palette`, each PNG file (the sprite with
// one palette for its three states) is a palette PNG, or lossless with a notice
// where a palette would lose too much (encodePalettePng).
std::vector<PictureFile> encodePictureSet(const PictureSetRequest& request,
                                          const state::ButtonState& s, const PictureSource& source,
                                          const VectorSource& vectors = {});

}  // namespace bevelmint::exporter
