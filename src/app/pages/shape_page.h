#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <array>

#include "app/widgets.h"
#include "state/button_state.h"

namespace bevelmint::app {

// The Shape page: outline, roundness, edge smoothing, width, height and depth.
class ShapePage : public QWidget {
    Q_OBJECT
  public:
    explicit ShapePage(QWidget* parent = nullptr);
    // Brings every control in step with the design without signalling.
    void follow(const state::ButtonState& s);
    bool smoothEdgesEnabled() const { return smoothEdges->isEnabled(); }

  signals:
    void shapeChosen(state::ShapeKind kind);
    void roundnessMoved(int v);
    void smoothEdgesToggled(bool on);
    void widthMoved(int v);
    void heightMoved(int v);
    void depthMoved(int v);

  private:
    std::array<QRadioButton*, 3> shapeButtons{};
    QLabel* roundnessLabel;
    FatScrollBar* roundnessBar;
    QLabel* roundnessOut;
    QCheckBox* smoothEdges;
    FatScrollBar* widthBar;
    FatScrollBar* heightBar;
    FatScrollBar* depthBar;
    QLabel* widthOut;
    QLabel* heightOut;
    QLabel* depthOut;
};

}  // namespace bevelmint::app
