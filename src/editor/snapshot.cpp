#include "editor/snapshot.h"

namespace bevelmint::editor {

using state::ButtonState;

const std::shared_ptr<const render::TextureImages>& noTexture() {
    static const auto none = std::make_shared<const render::TextureImages>();
    return none;
}

bool sameDesign(const Snapshot& a, const Snapshot& b) {
    return a.texture == b.texture && a.exportPath == b.exportPath &&
           a.exportPressedPath == b.exportPressedPath && a.design == b.design;
}

bool samePictures(const Snapshot& a, const Snapshot& b) {
    auto renderPart = [](const Snapshot& s) {
        ButtonState d = s.design;
        const ButtonState blank;
        d.exportFormat = blank.exportFormat;
        d.exportPressed = blank.exportPressed;
        d.jpegCompression = blank.jpegCompression;
        d.jpegProgressive = blank.jpegProgressive;
        d.exportFileName = blank.exportFileName;
        d.exportPressedFileName = blank.exportPressedFileName;
        d.stretchPreview = blank.stretchPreview;
        d.hoverLift = blank.hoverLift;
        d.web = blank.web;
        // The dark variant is drawn apart, by its own preview.
        d.dark = blank.dark;
        return d;
    };
    const bool sameTexture = a.texture == b.texture || !a.design.textureActive;
    return sameTexture && renderPart(a) == renderPart(b);
}

Changes differences(const Snapshot& a, const Snapshot& b) {
    const ButtonState& x = a.design;
    const ButtonState& y = b.design;
    Changes c;
    auto shape = [](const ButtonState& s) {
        return std::tie(s.shapeKind, s.buttonWidth, s.buttonHeight, s.buttonDepth, s.depthLimit,
                        s.roundness, s.smoothEdges, s.widthMax, s.heightMax);
    };
    auto colours = [](const ButtonState& s) {
        return std::tie(s.buttonRed, s.buttonGreen, s.buttonBlue, s.textRed, s.textGreen,
                        s.textBlue, s.backRed, s.backGreen, s.backBlue);
    };
    auto light = [](const ButtonState& s) {
        return std::tie(s.lightPosition, s.lightX, s.lightY, s.lightRadius, s.lightIntensity,
                        s.borderFade, s.lightenFront);
    };
    auto text = [](const ButtonState& s) {
        return std::tie(s.useText, s.buttonText, s.textFont, s.textOffsetX, s.textOffsetY,
                        s.text3D);
    };
    auto texture = [](const ButtonState& s) {
        return std::tie(s.useTexture, s.textureFileName, s.textureActive, s.textureBrightness,
                        s.stretchPreview);
    };
    auto exports = [](const ButtonState& s) {
        return std::tie(s.exportFormat, s.exportPressed, s.jpegCompression, s.jpegProgressive,
                        s.exportFileName, s.exportPressedFileName);
    };
    if (shape(x) != shape(y)) c |= Aspect::shape;
    if (colours(x) != colours(y)) c |= Aspect::colours;
    if (light(x) != light(y)) c |= Aspect::light;
    if (text(x) != text(y)) c |= Aspect::text;
    if (texture(x) != texture(y) || a.texture != b.texture) c |= Aspect::texture;
    if (exports(x) != exports(y) || a.exportPath != b.exportPath ||
        a.exportPressedPath != b.exportPressedPath)
        c |= Aspect::exports;
    if (x.web != y.web || x.dark != y.dark) c |= Aspect::web;
    // A field no group names yet still counts as a change of the design.
    if (!(c & kDesignAspects).any() && !sameDesign(a, b)) c |= kDesignAspects;
    return c;
}

}  // namespace bevelmint::editor
