#include "app/pages/text_page.h"

#include <QIcon>
#include <QSignalBlocker>

#include "app/pictures.h"
#include "state/state_rules.h"

namespace bevelmint::app {

TextPage::TextPage(QWidget* parent) : QWidget(parent) {
    useText = named(new QCheckBox("Use Text", this), "AMCheckBox2",
                    "Enables you to write a text on the button", {10, 8, 200, 20});
    inscription = named(new QLineEdit(this), "Edit5", "Dont forget to press the apply button",
                        {10, 34, 206, 24});
    applyButton =
        new BevelButton("ktBevelButton4", "       Apply",
                        "Change the buttons text to the string above", {10, 62, 86, 26}, this);
    applyButton->setIcon(QIcon(asset("glyph-apply.svg", {16, 16})));
    fontButton = new BevelButton("ktBevelButton5", "Choose Font..",
                                 "Choose a font for the inscription", {100, 62, 116, 26}, this);
    fontButton->setIcon(QIcon(asset("glyph-font.svg", {16, 16})));
    label("Size:", {10, 100, 40, 18}, this);
    fontSizeBar = named(new FatScrollBar(Qt::Horizontal, state::kFontSizeRange, 5, this),
                        "FatScrollBar17", "Change the inscriptions font size", {50, 100, 130, 18});
    fontSizeOut = label({}, {186, 100, 30, 18}, this, "Label22");
    text3D = named(new QCheckBox("3D Text", this), "AMCheckBox3", "Simulate engraved text",
                   {10, 128, 200, 20});
    label("Horizontal position:", {10, 160, 200, 18}, this);
    offsetXSlider = named(new QSlider(Qt::Horizontal, this), "TrackBar1",
                          "Change the horizontal position of the text", {10, 180, 170, 24});
    offsetXOut = label({}, {186, 182, 30, 18}, this, "Label33");
    label("Vertical position:", {10, 214, 200, 18}, this);
    offsetYSlider = named(new QSlider(Qt::Horizontal, this), "TrackBar2",
                          "Change the vertical position of the text", {10, 234, 170, 24});
    offsetYOut = label({}, {186, 236, 30, 18}, this, "Label40");
    connect(useText, &QCheckBox::clicked, this, &TextPage::useTextToggled);
    connect(applyButton, &QPushButton::clicked, this,
            [this] { emit applyRequested(inscription->text()); });
    connect(inscription, &QLineEdit::returnPressed, this,
            [this] { emit applyRequested(inscription->text()); });
    connect(fontButton, &QPushButton::clicked, this, &TextPage::fontRequested);
    connect(fontSizeBar, &QScrollBar::valueChanged, this, &TextPage::fontSizeMoved);
    connect(text3D, &QCheckBox::clicked, this, &TextPage::text3DToggled);
    connect(offsetXSlider, &QSlider::valueChanged, this, &TextPage::offsetXMoved);
    connect(offsetYSlider, &QSlider::valueChanged, this, &TextPage::offsetYMoved);
    follow(state::defaultState());
}

void TextPage::follow(const state::ButtonState& s) {
    const QSignalBlocker blockers[] = {QSignalBlocker(fontSizeBar), QSignalBlocker(offsetXSlider),
                                       QSignalBlocker(offsetYSlider)};
    useText->setChecked(s.useText);
    if (s.buttonText != shownText) {
        shownText = s.buttonText;
        inscription->setText(QString::fromStdString(shownText));
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{text3D, offsetXSlider, offsetYSlider, fontSizeBar,
                                         inscription, fontButton, applyButton})
        w->setEnabled(s.useText);
    // A size beyond the bar stays in the font; the bar keeps its place.
    fontSizeBar->setPosition(s.textFont.size);
    fontSizeOut->setNum(s.textFont.size);
    text3D->setChecked(s.text3D);
    const state::Range rx = state::textOffsetXRange(s.buttonWidth);
    const state::Range ry = state::textOffsetYRange(s.buttonHeight);
    offsetXSlider->setRange(rx.min, rx.max);
    offsetYSlider->setRange(ry.min, ry.max);
    offsetXSlider->setValue(s.textOffsetX);
    offsetYSlider->setValue(s.textOffsetY);
    offsetXOut->setNum(s.textOffsetX);
    offsetYOut->setNum(s.textOffsetY);
}

}  // namespace bevelmint::app
