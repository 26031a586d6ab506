#include "app/design_commands.h"

#include <QFileInfo>

#include "app/pictures.h"
#include "image/bmp_reader.h"

namespace bevelmint::app {

namespace {

using Effect = DesignCommands::Effect;

// Light positions in clockwise order round the diagram.
const int kClockwise[8] = {1, 2, 3, 5, 8, 7, 6, 4};
const char* kBitmapFilter = "Windows Bitmap|*.bmp";

}  // namespace

void DesignCommands::finish(Effect effect) {
    state::updateDerived(s);
    emit done(effect);
}

void DesignCommands::chooseShape(state::ShapeKind kind) {
    state::setShapeKind(s, kind);
    finish(Effect::render);
}

void DesignCommands::setRoundness(int v) {
    s.roundness = v;
    finish(Effect::render);
}

void DesignCommands::setSmoothEdges(bool on) {
    s.smoothEdges = on;
    finish(Effect::render);
}

// The menu entry does nothing to a rectangle, whose box is hidden.
void DesignCommands::toggleSmoothEdges() {
    if (s.shapeKind == state::ShapeKind::rect) return finish(Effect::none);
    setSmoothEdges(!s.smoothEdges);
}

void DesignCommands::setWidth(int v) {
    finish(state::setButtonWidth(s, v) ? Effect::render : Effect::none);
}

void DesignCommands::setHeight(int v) {
    finish(state::setButtonHeight(s, v) ? Effect::render : Effect::none);
}

void DesignCommands::setDepth(int v) {
    finish(state::setButtonDepth(s, v) ? Effect::render : Effect::none);
}

void DesignCommands::setButtonChannel(state::Channel c, int v) {
    state::setButtonChannel(s, c, static_cast<uint8_t>(v));
    finish(Effect::render);
}

// Without an inscription the text colour is kept but nothing is drawn again.
void DesignCommands::setTextChannel(state::Channel c, int v) {
    state::textChannel(s, c) = static_cast<uint8_t>(v);
    finish(s.useText ? Effect::render : Effect::quiet);
}

void DesignCommands::setButtonColour(const QColor& c) {
    const image::Rgb rgb = fromQColor(c);
    state::setButtonColour(s, rgb.r, rgb.g, rgb.b);
    finish(Effect::render);
}

void DesignCommands::setTextColour(const QColor& c) {
    const image::Rgb rgb = fromQColor(c);
    s.textRed = rgb.r, s.textGreen = rgb.g, s.textBlue = rgb.b;
    finish(Effect::render);
}

void DesignCommands::setBackgroundColour(const QColor& c) {
    const image::Rgb rgb = fromQColor(c);
    s.backRed = rgb.r, s.backGreen = rgb.g, s.backBlue = rgb.b;
    finish(Effect::render);
}

void DesignCommands::pickButtonColour() {
    if (const auto c = desktop.chooseColour(QColor(s.buttonRed, s.buttonGreen, s.buttonBlue)))
        setButtonColour(*c);
}

void DesignCommands::pickTextColour() {
    if (const auto c = desktop.chooseColour(QColor(s.textRed, s.textGreen, s.textBlue)))
        setTextColour(*c);
}

void DesignCommands::pickBackgroundColour() {
    if (const auto c = desktop.chooseColour(QColor(s.backRed, s.backGreen, s.backBlue)))
        setBackgroundColour(*c);
}

void DesignCommands::chooseLight(int position) {
    state::setLightPosition(s, position);
    finish(Effect::render);
}

void DesignCommands::rotateLight() {
    int at = 0;
    while (at < 7 && kClockwise[at] != s.lightPosition)
        ++at;
    chooseLight(kClockwise[(at + 1) % 8]);
}

void DesignCommands::setLightenFront(bool on) {
    s.lightenFront = on;
    finish(Effect::render);
}

void DesignCommands::setLightRadius(int v) {
    s.lightRadius = v;
    finish(Effect::render);
}

void DesignCommands::setLightIntensity(int v) {
    s.lightIntensity = v;
    finish(Effect::render);
}

void DesignCommands::setBorderFade(int v) {
    s.borderFade = v;
    finish(Effect::render);
}

void DesignCommands::switchMode() {
    s.fastEdit = !s.fastEdit;
    finish(Effect::redraw);
}

void DesignCommands::setUseText(bool on) {
    s.useText = on;
    finish(Effect::render);
}

void DesignCommands::applyText(const QString& text) {
    s.buttonText = text.toStdString();
    finish(Effect::render);
}

void DesignCommands::chooseFont() {
    if (const auto font = desktop.chooseFont(s.textFont)) {
        state::setFont(s, *font);
        finish(Effect::render);
    }
}

void DesignCommands::setFontSize(int v) {
    state::setFontSize(s, v);
    finish(Effect::render);
}

void DesignCommands::setText3D(bool on) {
    state::setText3D(s, on);
    finish(Effect::render);
}

void DesignCommands::setTextOffsetX(int v) {
    s.textOffsetX = v;
    finish(Effect::render);
}

void DesignCommands::setTextOffsetY(int v) {
    s.textOffsetY = v;
    finish(Effect::render);
}

// Turning the texture on asks for a picture; a cancelled dialog leaves it off.
void DesignCommands::setUseTexture(bool on) {
    if (!on) {
        render::deletebgimage(s, texture);
        return finish(Effect::render);
    }
    const auto path = desktop.openFileName(kBitmapFilter, "bmp");
    if (!path) return finish(Effect::none);
    loadTexture(*path);
}

void DesignCommands::chooseTexture() {
    if (!s.textureActive) return finish(Effect::none);
    if (const auto path = desktop.openFileName(kBitmapFilter, "bmp")) loadTexture(*path);
}

void DesignCommands::loadTexture(const QString& path) {
    image::Picture loaded;
    if (auto error = image::readBmp(path.toStdString(), loaded)) {
        desktop.error(QString::fromStdString(error->message));
        return finish(Effect::none);
    }
    render::openbgimage(s, texture, loaded, path.toStdString());
    finish(Effect::render);
}

void DesignCommands::setTextureBrightness(int v) {
    if (v == s.textureBrightness) return finish(Effect::none);
    if (s.textureActive) {
        emit progress(0);
        render::setTextureBrightness(s, texture, v, [this](int p) { emit progress(p); });
        emit progressEnded();
    } else {
        s.textureBrightness = v;
    }
    finish(Effect::render);
}

void DesignCommands::setStretchPreview(bool on) {
    s.stretchPreview = on;
    finish(Effect::quiet);
}

void DesignCommands::chooseFormat(state::ExportFormat f) {
    s.exportFormat = f;
    s.exportPressed = false;
    finish(Effect::quiet);
}

void DesignCommands::setExportPressed(bool on) {
    s.exportPressed = on;
    finish(Effect::quiet);
}

void DesignCommands::setJpegCompression(int v) {
    s.jpegCompression = v;
    finish(Effect::quiet);
}

void DesignCommands::setJpegProgressive(bool on) {
    s.jpegProgressive = on;
    finish(Effect::quiet);
}

void DesignCommands::setExportFileName(bool pressed, const QString& path) {
    // The names are the HTML page's, not the design file's.
    (pressed ? s.exportPressedFileName : s.exportFileName) =
        QFileInfo(path).fileName().toStdString();
    finish(Effect::none);
}

}  // namespace bevelmint::app
