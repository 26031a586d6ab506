#include "app/pages/colors_page.h"

#include <QIcon>
#include <QSignalBlocker>

#include "app/pictures.h"

namespace bevelmint::app {

namespace {

const state::Channel kChannels[3] = {state::Channel::red, state::Channel::green,
                                     state::Channel::blue};

}  // namespace

ColorsPage::ColorsPage(QWidget* parent) : QWidget(parent) {
    const state::ButtonState start = state::defaultState();
    auto* button = frame("Button Color", {6, 4, 216, 120}, this);
    buttonSwatch = new Swatch("Shape2", {10, 22, 30, 26}, button);
    entries[0] = makeColourRow(button, 22, Target::button, "ktBevelButton1",
                               "pick a color for the buttons surface", "ButtonColorHex");
    const char* buttonNames[3] = {"FatScrollBar5", "FatScrollBar6", "FatScrollBar7"};
    const int buttonStart[3] = {start.buttonRed, start.buttonGreen, start.buttonBlue};
    buttonBars = makeBars(button, buttonNames, buttonStart, true);

    auto* text = frame("Text Color", {6, 128, 216, 120}, this);
    textSample = label("text", {10, 22, 30, 26}, text, "Label6");
    textSample->setAlignment(Qt::AlignCenter);
    textSample->setFrameShape(QFrame::Box);
    entries[1] = makeColourRow(text, 22, Target::text, "ktBevelButton3",
                               "pick a color for the buttons text", "TextColorHex");
    const char* textNames[3] = {"FatScrollBar13", "FatScrollBar12", "FatScrollBar11"};
    const int textStart[3] = {start.textRed, start.textGreen, start.textBlue};
    textBars = makeBars(text, textNames, textStart, false);

    auto* back = frame("Button Background", {6, 252, 216, 62}, this);
    backgroundSwatch = new Swatch("Shape8", {10, 24, 30, 26}, back);
    entries[2] = makeColourRow(back, 24, Target::background, "ktBevelButton11",
                               "pick a background color", "BackgroundColorHex");
    auto* menu = frame("Bevelmint Menu Color", {6, 318, 216, 62}, this);
    menuSwatch = new Swatch("Shape20", {10, 24, 30, 26}, menu);
    entries[3] = makeColourRow(menu, 24, Target::menu, "ktBevelButton15",
                               "adjust the Bevelmint menu color", "MenuColorHex");
    follow(start);
}

HexEntry* ColorsPage::makeColourRow(QWidget* parent, int top, Target t, const QString& pickName,
                                    const QString& pickHint, const QString& hexName) {
    auto* pick =
        new BevelButton(pickName, "       pick color..", pickHint, {112, top, 96, 26}, parent);
    pick->setIcon(QIcon(asset("glyph-pick.svg", {16, 16})));
    connect(pick, &QPushButton::clicked, this, [this, t] { emit pickRequested(t); });
    auto* hex = new HexEntry(hexName, "the colour as #RRGGBB", {44, top + 2, 64, 22}, parent);
    connect(hex, &HexEntry::colourEntered, this,
            [this, t](const QColor& c) { emit colourEntered(t, c); });
    return hex;
}

ColorsPage::ChannelBars ColorsPage::makeBars(QWidget* parent, const char* const names[3],
                                             const int start[3], bool button) {
    ChannelBars out;
    const char* captions[3] = {"Red", "Green", "Blue"};
    for (int k = 0; k < 3; ++k) {
        const int top = 56 + 20 * k;
        label(captions[k], {10, top, 40, 18}, parent);
        out.bars[k] = named(new FatScrollBar(Qt::Horizontal, state::kColourRange, 5, parent),
                            names[k], {}, {52, top, 124, 16});
        out.bars[k]->setPositionAsHint(start[k]);
        out.values[k] = label({}, {180, top, 28, 16}, parent, QString(names[k]) + "Value");
        const state::Channel c = kChannels[k];
        connect(out.bars[k], &QScrollBar::valueChanged, this, [this, button, c](int v) {
            if (button)
                emit buttonChannelMoved(c, v);
            else
                emit textChannelMoved(c, v);
        });
    }
    return out;
}

void ColorsPage::ChannelBars::follow(const std::array<int, 3>& v) {
    for (int k = 0; k < 3; ++k) {
        const QSignalBlocker quiet(bars[k]);
        bars[k]->setPositionAsHint(v[k]);
        values[k]->setNum(v[k]);
    }
}

void ColorsPage::follow(const state::ButtonState& s) {
    buttonBars.follow({s.buttonRed, s.buttonGreen, s.buttonBlue});
    textBars.follow({s.textRed, s.textGreen, s.textBlue});
    for (FatScrollBar* b : textBars.bars)
        b->setEnabled(s.useText);
    const QColor buttonColour(s.buttonRed, s.buttonGreen, s.buttonBlue);
    const QColor textColour(s.textRed, s.textGreen, s.textBlue);
    const QColor backColour(s.backRed, s.backGreen, s.backBlue);
    buttonSwatch->setColour(buttonColour);
    restyle(textSample, QString("color: %1;").arg(textColour.name()));
    backgroundSwatch->setColour(backColour);
    entries[0]->setColour(buttonColour);
    entries[1]->setColour(textColour);
    entries[2]->setColour(backColour);
}

void ColorsPage::setMenuColour(const QColor& c) {
    menuSwatch->setColour(c);
    entries[3]->setColour(c);
}

}  // namespace bevelmint::app
