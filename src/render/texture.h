#pragma once

#include <functional>
#include <string>

#include "image/picture.h"
#include "state/button_state.h"

namespace bevelmint::render {

// The two texture pictures: the working one that the lighting pass blends in
// (brightness applied) and the picture exactly as loaded, with the bytes of the
// file it came from when they are at hand, so that a save writes them back as
// they were instead of re-encoding them.
struct TextureImages {
    image::Picture working;
    image::Picture original;
    std::string fileBytes;
};

// Advances a progress display; receives the new position 0..100.
using ProgressFn = std::function<void(int)>;

// Makes a decoded bitmap the texture: both pictures, brightness 50, the button
// colour from its top-left pixel (an engraved inscription follows), the size
// controls limited to the texture and the button shrunk to fit.
void layTexture(state::ButtonState& s, TextureImages& images, const image::Picture& loaded,
                const std::string& path, std::string fileBytes = {});
// The same without shrinking the button, as a design load applies its texture.
void applyTexture(state::ButtonState& s, TextureImages& images, const image::Picture& loaded,
                  const std::string& path, bool shrinkToFit, std::string fileBytes = {});

// Recomputes the working texture from the original at the state's brightness and
// takes the button colour from its top-left pixel. Reports progress every
// max(1, width div 20) columns.
void applyTextureBrightness(state::ButtonState& s, TextureImages& images,
                            const ProgressFn& progress = {});

// The brightness control: stores the position and, while a texture is active,
// runs the brightness pass (skipped at 50 while the working texture is unadjusted).
void setTextureBrightness(state::ButtonState& s, TextureImages& images, int brightness,
                          const ProgressFn& progress = {});

// Removes the texture: size limits back to 330 x 195, brightness 50; the button
// colour stays as the texture made it.
void removeTexture(state::ButtonState& s, TextureImages& images);

// The texture for a render: the working picture while one is active, else none.
const image::Picture* activeTexture(const state::ButtonState& s, const TextureImages& images);

}  // namespace bevelmint::render
