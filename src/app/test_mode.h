#pragma once

#include <QObject>
#include <QPixmap>
#include <QRadioButton>
#include <functional>

#include "app/widgets.h"

namespace bevelmint::app {

// Test mode: the normal picture as a button in the middle of the window that
// shows the pressed picture while the pointer is over it (or, by choice, while
// a mouse button is held on it), with the trigger choice and a close button.
class TestMode : public QObject {
    Q_OBJECT
  public:
    // picture(pressed) gives the current normal or pressed picture, button-sized.
    TestMode(QWidget* window, Swatch* windowBackground,
             std::function<QPixmap(bool pressed)> picture);
    // Places the test button at the size given; the window hides the editor.
    void enter(const QSize& buttonSize, const QColor& background);
    void leave();
    bool active() const { return active_; }

  signals:
    void closeRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void showPressed(bool pressed) { testButton->setPixmap(picture_(pressed)); }

    Swatch* windowBackground;
    std::function<QPixmap(bool)> picture_;
    PointerLabel* testButton;
    QLabel* caption;
    QRadioButton* onHover;
    QRadioButton* onClick;
    BevelButton* closeButton;
    bool active_ = false;
    bool actOnHover = true;
    bool hovering = false;
};

}  // namespace bevelmint::app
