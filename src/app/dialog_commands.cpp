#include "app/dialog_commands.h"

#include "app/pictures.h"

namespace bevelmint::app {

namespace {

QColor colourOf(uint8_t r, uint8_t g, uint8_t b) {
    return QColor(r, g, b);
}

}  // namespace

void DialogCommands::pickButtonColour() {
    const state::ButtonState& s = ed.state();
    if (const auto c = desktop.chooseColour(colourOf(s.buttonRed, s.buttonGreen, s.buttonBlue)))
        ed.setButtonColour(fromQColor(*c));
}

void DialogCommands::pickTextColour() {
    const state::ButtonState& s = ed.state();
    if (const auto c = desktop.chooseColour(colourOf(s.textRed, s.textGreen, s.textBlue)))
        ed.setTextColour(fromQColor(*c));
}

void DialogCommands::pickBackgroundColour() {
    const state::ButtonState& s = ed.state();
    if (const auto c = desktop.chooseColour(colourOf(s.backRed, s.backGreen, s.backBlue)))
        ed.setBackgroundColour(fromQColor(*c));
}

void DialogCommands::chooseFont() {
    if (const auto font = desktop.chooseFont(ed.state().textFont)) ed.setFont(*font);
}

void DialogCommands::setUseTexture(bool on) {
    if (on)
        loadTexture();
    else
        ed.removeTexture();
}

void DialogCommands::chooseTexture() {
    if (ed.state().textureActive) loadTexture();
}

void DialogCommands::loadTexture() {
    const auto path = desktop.openFileName("Windows Bitmap|*.bmp", "bmp");
    if (!path) return;
    if (auto error = ed.loadTexture(path->toStdString()))
        desktop.error(QString::fromStdString(error->message));
}

}  // namespace bevelmint::app
