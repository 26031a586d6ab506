#pragma once

#include <QAction>
#include <array>

#include "app/widgets.h"

namespace bevelmint::app {

// The strip across the top: seven buttons that trigger the window's shared
// actions, in the menu colour, and the busy icon that animates during a render.
class Toolbar : public QWidget {
    Q_OBJECT
  public:
    struct Actions {
        QAction* save;
        QAction* load;
        QAction* loadLast;
        QAction* test;
        QAction* exportPictures;
        QAction* switchMode;
        QAction* help;
    };
    Toolbar(const Actions& actions, QWidget* parent);

    void setMenuColour(const QColor& c);
    void setModeCaption(bool fastEdit);
    // Shows busy frame 1..8 and repaints at once, from inside a render.
    void showBusyFrame(int frame);

  signals:
    void popupRequested(const QPoint& globalPos);
    void busyIconClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    Swatch* strip;
    std::array<BevelButton*, 7> buttons{};
    BevelButton* modeButton;
    PointerLabel* busyIcon;
    int shownFrame = 0;
};

}  // namespace bevelmint::app
