#include "render/texture.h"

#include <algorithm>

#include "state/state_rules.h"

namespace bevelmint::render {

namespace {

void takeButtonColour(state::ButtonState& s, const image::Picture& texture) {
    const image::Rgb c = image::splitColor(texture.pixel(0, 0));
    state::setButtonColour(s, c.r, c.g, c.b);
}

}  // namespace

void layTexture(state::ButtonState& s, TextureImages& images, const image::Picture& loaded,
                const std::string& path, std::string fileBytes) {
    applyTexture(s, images, loaded, path, true, std::move(fileBytes));
}

void applyTexture(state::ButtonState& s, TextureImages& images, const image::Picture& loaded,
                  const std::string& path, bool shrinkToFit, std::string fileBytes) {
    s.textureFileName = path;
    images.working = loaded;
    images.original = loaded;
    images.fileBytes = std::move(fileBytes);
    s.textureActive = true;
    s.useTexture = true;
    s.textureBrightness = state::kNeutralBrightness;
    takeButtonColour(s, images.working);
    const int wt = loaded.width(), ht = loaded.height();
    // The size controls ignore values below their minimum.
    if (shrinkToFit && wt < s.buttonWidth) state::setButtonWidth(s, wt);
    if (shrinkToFit && ht < s.buttonHeight) state::setButtonHeight(s, ht);
    state::setSizeMaxima(s, std::min(wt, state::kMaxWidth), std::min(ht, state::kMaxHeight));
    state::updateDerived(s);
}

void applyTextureBrightness(state::ButtonState& s, TextureImages& images,
                            const ProgressFn& progress) {
    const image::Picture& src = images.original;
    image::Picture& out = images.working;
    if (out.width() != src.width() || out.height() != src.height())
        out = image::Picture(src.width(), src.height());
    const int shift = 2 * (s.textureBrightness - state::kNeutralBrightness);
    auto adjust = [shift](uint8_t v) {
        return static_cast<uint8_t>(std::clamp(v + shift, 0, 255));
    };
    const int step = std::max(1, src.width() / 20);
    int position = 0;
    if (progress) progress(position);
    for (int x = 0; x < src.width(); ++x) {
        if (x % step == 0 && progress) progress(position = std::min(100, position + 5));
        for (int y = 0; y < src.height(); ++y) {
            const image::Rgb c = image::splitColor(src.pixel(x, y));
            out.setPixel(x, y, image::makeColor(adjust(c.r), adjust(c.g), adjust(c.b)));
        }
    }
    takeButtonColour(s, out);
    state::updateDerived(s);
}

void setTextureBrightness(state::ButtonState& s, TextureImages& images, int brightness,
                          const ProgressFn& progress) {
    s.textureBrightness = state::kBrightnessRange.clamp(brightness);
    if (!s.textureActive) return;
    if (s.textureBrightness == state::kNeutralBrightness && images.working == images.original)
        return;
    applyTextureBrightness(s, images, progress);
}

void removeTexture(state::ButtonState& s, TextureImages& images) {
    images.working = image::Picture();
    s.textureActive = false;
    s.useTexture = false;
    state::setSizeMaxima(s, state::kMaxWidth, state::kMaxHeight);
    s.textureBrightness = state::kNeutralBrightness;
}

const image::Picture* activeTexture(const state::ButtonState& s, const TextureImages& images) {
    return s.textureActive ? &images.working : nullptr;
}

}  // namespace bevelmint::render
