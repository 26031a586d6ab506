#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <array>

#include "app/widgets.h"
#include "state/button_state.h"

namespace bevelmint::app {

// The Light page: the light-position picker (eight crosses round a diagram),
// lighting of the front, radius, intensity and border fade-out.
class LightPage : public QWidget {
    Q_OBJECT
  public:
    explicit LightPage(QWidget* parent = nullptr);
    void follow(const state::ButtonState& s);

  signals:
    void positionChosen(int position);
    void lightenFrontToggled(bool on);
    void radiusMoved(int v);
    void intensityMoved(int v);
    void fadeMoved(int v);

  private:
    FatScrollBar* makeBar(const char* caption, const char* name, const char* hint,
                          const char* outName, state::Range range, int top, QLabel** out);

    QLabel* diagram;
    std::array<QRadioButton*, 8> positionButtons{};
    QCheckBox* lightenFront;
    FatScrollBar* radiusBar;
    FatScrollBar* intensityBar;
    FatScrollBar* fadeBar;
    QLabel* radiusOut;
    QLabel* intensityOut;
    QLabel* fadeOut;
    int shownPosition = 0;
};

}  // namespace bevelmint::app
