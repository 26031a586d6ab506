#pragma once

#include <cstdint>
#include <string>

#include "state/limits.h"
#include "state/web_settings.h"

namespace bevelmint::state {

enum class ShapeKind { rect, elips, rrect };
enum class ExportFormat { gif, jpg, bmp };
// Every format a picture can be written in; the design's export format is one of
// the first three. SVG is drawn from the vector description, not rendered.
enum class PictureFormat { bmp, jpg, gif, png, webp, svg };

struct FontDesc {
    std::string face = "Arial";
    int size = 12;  // points
    bool bold = false;
    bool italic = false;
    bool operator==(const FontDesc&) const = default;
};

// The button's colours on a dark page, which readers whose system asks for a
// dark scheme see instead; kept while off so that turning it on brings them back.
struct DarkScheme {
    bool on = false;
    uint8_t buttonRed = 44, buttonGreen = 72, buttonBlue = 128;
    uint8_t textRed = 255, textGreen = 255, textBlue = 255;
    uint8_t backRed = 28, backGreen = 28, backBlue = 32;
    bool operator==(const DarkScheme&) const = default;
};

// The design of the one button: what a design file and undo cover. Plain data:
// the coupling rules live in state_rules.h; the editing session's values are in
// session.h.
struct ButtonState {
    // Shape and size
    ShapeKind shapeKind = ShapeKind::rect;
    int32_t buttonWidth = 100;
    int32_t buttonHeight = 40;
    int32_t buttonDepth = 7;
    int32_t depthLimit = 20;
    int32_t roundness = 15;
    bool smoothEdges = false;
    // Upper bounds of the size controls; a loaded texture lowers them.
    int32_t widthMax = kMaxWidth;
    int32_t heightMax = kMaxHeight;

    // Colours
    uint8_t buttonRed = 220, buttonGreen = 190, buttonBlue = 110;
    uint8_t textRed = 0, textGreen = 0, textBlue = 0;
    uint8_t backRed = 196, backGreen = 196, backBlue = 196;

    // Light
    int32_t lightPosition = 1;
    int32_t lightX = 0;
    int32_t lightY = 0;
    int32_t lightRadius = 100;
    int32_t lightIntensity = 40;
    int32_t borderFade = 50;
    bool lightenFront = true;
    // Light intensity points the hover picture adds.
    int32_t hoverLift = 20;

    // Inscription
    bool useText = true;
    std::string buttonText = "text";
    FontDesc textFont;
    int32_t textOffsetX = 5;
    int32_t textOffsetY = 0;
    bool text3D = false;

    // Texture
    bool useTexture = false;
    std::string textureFileName;
    bool textureActive = false;
    int32_t textureBrightness = kNeutralBrightness;
    bool stretchPreview = false;

    // Export
    ExportFormat exportFormat = ExportFormat::gif;
    bool exportPressed = false;
    int32_t jpegCompression = 0;
    bool jpegProgressive = false;
    std::string exportFileName;
    std::string exportPressedFileName;
    WebSettings web;
    DarkScheme dark;

    bool operator==(const ButtonState&) const = default;
};

// The default design with its derived values (light centre) filled in.
ButtonState defaultState();

}  // namespace bevelmint::state
