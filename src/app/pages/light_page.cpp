#include "app/pages/light_page.h"

#include <QSignalBlocker>

#include "app/pictures.h"
#include "state/state_rules.h"

namespace bevelmint::app {

LightPage::LightPage(QWidget* parent) : QWidget(parent) {
    auto* pos = frame("Light Position", {6, 4, 216, 150}, this);
    pos->setToolTip("Click on the dotted crosses to change the light position");
    diagram = label({}, {36, 40, 145, 65}, pos, "Image2");
    const char* names[8] = {"AMRadioButton11", "AMRadioButton4", "AMRadioButton5",
                            "AMRadioButton6",  "AMRadioButton7", "AMRadioButton8",
                            "AMRadioButton9",  "AMRadioButton10"};
    const QPoint places[8] = {{20, 22},  {100, 22}, {182, 22},  {14, 64},
                              {186, 64}, {20, 108}, {100, 108}, {182, 108}};
    const QString style =
        "QRadioButton::indicator { width: 16px; height: 16px; image: "
        "url(:/assets/glyph-cross.svg); }"
        "QRadioButton::indicator:checked { image: url(:/assets/glyph-cross-checked.svg); }"
        "QRadioButton:focus { border: 1px dotted palette(highlight); }";
    for (int i = 0; i < 8; ++i) {
        auto* b =
            named(new QRadioButton(pos), names[i], {}, {places[i].x(), places[i].y(), 20, 20});
        b->setStyleSheet(style);
        positionButtons[i] = b;
        connect(b, &QRadioButton::clicked, this, [this, i] { emit positionChosen(i + 1); });
    }
    lightenFront =
        named(new QCheckBox("Lighten the Front too", pos), "AMCheckBox1",
              "this option determines if the surface is lightned too", {10, 128, 200, 20});
    connect(lightenFront, &QCheckBox::clicked, this, &LightPage::lightenFrontToggled);
    radiusBar = makeBar("Light Radius", "FatScrollBar14", "Adjust the light radius", "Label35",
                        state::kLightRadiusRange, 160, &radiusOut);
    intensityBar = makeBar("Light Intensity", "FatScrollBar15", "Adjust the light intensity",
                           "Label5", state::kLightIntensityRange, 220, &intensityOut);
    fadeBar = makeBar("Border- Fade-Out", "FatScrollBar16", "Adjust the border fade out strength",
                      "Label39", state::kBorderFadeRange, 280, &fadeOut);
    connect(radiusBar, &QScrollBar::valueChanged, this, &LightPage::radiusMoved);
    connect(intensityBar, &QScrollBar::valueChanged, this, &LightPage::intensityMoved);
    connect(fadeBar, &QScrollBar::valueChanged, this, &LightPage::fadeMoved);
    follow(state::defaultState());
}

FatScrollBar* LightPage::makeBar(const char* caption, const char* name, const char* hint,
                                 const char* outName, state::Range range, int top, QLabel** out) {
    auto* f = frame(caption, {6, top, 216, 56}, this);
    *out = label({}, {166, 24, 44, 18}, f, outName);
    return named(new FatScrollBar(Qt::Horizontal, range, 5, f), name, hint, {10, 24, 150, 18});
}

void LightPage::follow(const state::ButtonState& s) {
    const QSignalBlocker blockers[] = {QSignalBlocker(radiusBar), QSignalBlocker(intensityBar),
                                       QSignalBlocker(fadeBar)};
    if (s.lightPosition >= 1 && s.lightPosition <= 8) {
        positionButtons[s.lightPosition - 1]->setChecked(true);
        if (shownPosition != s.lightPosition) {
            diagram->setPixmap(asset(QString("light-%1.svg").arg(s.lightPosition), {145, 65}));
            shownPosition = s.lightPosition;
        }
    }
    lightenFront->setChecked(s.lightenFront);
    radiusBar->setPosition(s.lightRadius);
    intensityBar->setPosition(s.lightIntensity);
    fadeBar->setPosition(s.borderFade);
    radiusOut->setNum(s.lightRadius);
    intensityOut->setText(QString::number(s.lightIntensity) + " %");
    fadeOut->setText(QString::number(s.borderFade) + " %");
}

}  // namespace bevelmint::app
