#include "app/pages/shape_page.h"

#include <QSignalBlocker>
#include <algorithm>

#include "app/pictures.h"
#include "state/state_rules.h"

namespace bevelmint::app {

ShapePage::ShapePage(QWidget* parent) : QWidget(parent) {
    const state::ButtonState start = state::defaultState();
    auto* shape = frame("Button Shape", {6, 6, 216, 150}, this);
    const char* names[3] = {"AMRadioButton1", "AMRadioButton2", "AMRadioButton3"};
    const char* captions[3] = {"Rectangle", "Ellipse/Circle", "RoundRect"};
    const char* hints[3] = {"set the buttons shape to rectangular",
                            "set the buttons shape to ellipse/circle",
                            "set the buttons shape to roundrect"};
    const char* icons[3] = {"shape-rect.svg", "shape-ellipse.svg", "shape-rrect.svg"};
    for (int i = 0; i < 3; ++i) {
        auto* icon = label({}, {10, 22 + 26 * i, 32, 20}, shape);
        icon->setPixmap(asset(icons[i], {32, 20}));
        shapeButtons[i] = named(new QRadioButton(captions[i], shape), names[i], hints[i],
                                {48, 22 + 26 * i, 150, 20});
        const auto kind = static_cast<state::ShapeKind>(i);
        connect(shapeButtons[i], &QRadioButton::clicked, this,
                [this, kind] { emit shapeChosen(kind); });
    }
    roundnessLabel = label("Roundness:", {10, 102, 80, 18}, shape, "Label10");
    roundnessBar =
        named(new FatScrollBar(Qt::Horizontal, state::kRoundnessRange, 5, shape), "FatScrollBar1",
              "adjust the roundrects edge roundness", {90, 102, 82, 18});
    roundnessOut = label({}, {176, 102, 34, 18}, shape, "RoundnessValue");
    smoothEdges = named(new QCheckBox("Smooth Edges", shape), "AMCheckBox8",
                        "enable smoothing algorithm", {10, 124, 150, 20});

    auto* dims = frame("Button Dimensions", {6, 162, 216, 230}, this);
    label("Width", {10, 22, 60, 18}, dims);
    widthBar = named(new FatScrollBar(Qt::Horizontal, state::widthRange(start), 5, dims),
                     "FatScrollBar2", "Adjust the buttons width", {10, 42, 160, 20});
    widthOut = label({}, {176, 42, 34, 20}, dims, "Label24");
    label("Height", {10, 72, 60, 18}, dims);
    heightBar = named(new FatScrollBar(Qt::Vertical, state::heightRange(start), 5, dims),
                      "FatScrollBar3", "Adjust the buttons Height", {20, 92, 20, 120});
    heightOut = label({}, {46, 144, 34, 20}, dims, "Label34");
    label("Depth", {110, 72, 60, 18}, dims);
    depthBar = named(new FatScrollBar(Qt::Vertical, state::depthRange(start), 5, dims),
                     "FatScrollBar4", "Adjust the buttons depth", {120, 92, 20, 120});
    depthOut = label({}, {146, 144, 34, 20}, dims, "Label9");
    connect(roundnessBar, &QScrollBar::valueChanged, this, &ShapePage::roundnessMoved);
    connect(smoothEdges, &QCheckBox::clicked, this, &ShapePage::smoothEdgesToggled);
    connect(widthBar, &QScrollBar::valueChanged, this, &ShapePage::widthMoved);
    connect(heightBar, &QScrollBar::valueChanged, this, &ShapePage::heightMoved);
    connect(depthBar, &QScrollBar::valueChanged, this, &ShapePage::depthMoved);
    follow(start);
}

void ShapePage::follow(const state::ButtonState& s) {
    const QSignalBlocker blockers[] = {QSignalBlocker(roundnessBar), QSignalBlocker(widthBar),
                                       QSignalBlocker(heightBar), QSignalBlocker(depthBar)};
    shapeButtons[static_cast<int>(s.shapeKind)]->setChecked(true);
    const bool rrect = s.shapeKind == state::ShapeKind::rrect;
    roundnessBar->setEnabled(rrect);
    roundnessBar->setVisible(rrect);
    roundnessLabel->setVisible(rrect);
    roundnessOut->setVisible(rrect);
    roundnessBar->setPositionAsHint(s.roundness);
    roundnessOut->setNum(s.roundness);
    smoothEdges->setVisible(s.shapeKind != state::ShapeKind::rect);
    smoothEdges->setChecked(s.smoothEdges);
    // The bars' limits never cut a loaded size.
    widthBar->setLimit(std::max(state::widthRange(s).max, s.buttonWidth));
    heightBar->setLimit(std::max(state::heightRange(s).max, s.buttonHeight));
    widthBar->setPosition(s.buttonWidth);
    heightBar->setPosition(s.buttonHeight);
    depthBar->setLimit(state::depthRange(s).max);
    depthBar->setPosition(s.buttonDepth);
    widthOut->setNum(s.buttonWidth);
    heightOut->setNum(s.buttonHeight);
    depthOut->setNum(s.buttonDepth);
}

}  // namespace bevelmint::app
