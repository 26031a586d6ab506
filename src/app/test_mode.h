#pragma once

#include <QObject>
#include <QPixmap>
#include <QRadioButton>
#include <functional>

#include "app/widgets.h"

namespace bevelmint::app {

// Test mode: the normal picture as a button in the middle of the window that
// shows the pressed picture while the pointer is over it (or, by choice, while
// a mouse button is held on it, or as a web button does: the hover picture
// under the pointer and the pressed one while a button is held), with the
// trigger choice and a close button.
class TestMode : public QObject {
    Q_OBJECT
  public:
    enum class Look { normal, hover, pressed };
    // picture(look) gives the current picture of that state, button-sized.
    TestMode(QWidget* window, Swatch* windowBackground, std::function<QPixmap(Look)> picture);
    // Places the test button at the size given; the window hides the editor.
    // `asWebButton` tries it as a web button this time; otherwise the trigger
    // last chosen is used.
    void enter(const QSize& buttonSize, const QColor& background, bool asWebButton = false);
    void leave();
    bool active() const { return active_; }

  signals:
    void closeRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    enum class Trigger { hover, click, web };
    void show(Look look) { testButton->setPixmap(picture_(look)); }
    void choose(Trigger t);

    Swatch* windowBackground;
    std::function<QPixmap(Look)> picture_;
    PointerLabel* testButton;
    QLabel* caption;
    QRadioButton* onHover;
    QRadioButton* onClick;
    QRadioButton* asWeb;
    BevelButton* closeButton;
    bool active_ = false;
    Trigger trigger = Trigger::hover;
    Trigger chosen = Trigger::hover;  // by the user
    bool hovering = false;
    bool held = false;
};

}  // namespace bevelmint::app
