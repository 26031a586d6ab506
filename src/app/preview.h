#pragma once

#include <QObject>

#include "app/widgets.h"
#include "render/button_pictures.h"

namespace bevelmint::app {

// The right half of the window: the normal picture above, the pressed one
// below, each centred on its fixed point over the background colour. With the
// hover picture, the three states are shown in three bands, normal, hover and
// pressed from the top, each named; a button taller than its band is shown
// smaller. The pictures come drawn at the screen's pixel ratio (`scale`).
class Preview : public QObject {
    Q_OBJECT
  public:
    explicit Preview(QWidget* window);
    void show(const render::ButtonPictures& pictures, int w, int h, int scale, bool withHover);
    void setBackground(const QColor& c);
    QColor background() const { return normalBackground->colour(); }
    void setShown(bool on);

  signals:
    void popupRequested(const QPoint& globalPos);
    void testRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void layOut(bool threeStates);

    Swatch* normalBackground;
    Swatch* hoverBackground;
    Swatch* pressedBackground;
    Swatch* upperSeparator;
    Swatch* lowerSeparator;
    PointerLabel* normalView;
    PointerLabel* hoverView;
    PointerLabel* pressedView;
    std::array<QLabel*, 3> stateNames{};
    bool shown = true;
    bool threeStates = false;
};

}  // namespace bevelmint::app
