#pragma once

#include <QObject>

#include "app/widgets.h"
#include "image/picture.h"

namespace bevelmint::app {

// The right half of the window: the normal picture above, the pressed one
// below, each centred on its fixed point over the background colour.
class Preview : public QObject {
    Q_OBJECT
  public:
    explicit Preview(QWidget* window);
    void show(const image::Picture& normal, const image::Picture& pressed, int w, int h);
    void setBackground(const QColor& c);
    QColor background() const { return normalBackground->colour(); }
    void setShown(bool on);

  signals:
    void popupRequested(const QPoint& globalPos);
    void testRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    Swatch* normalBackground;
    Swatch* pressedBackground;
    Swatch* upperSeparator;
    Swatch* lowerSeparator;
    PointerLabel* normalView;
    PointerLabel* pressedView;
};

}  // namespace bevelmint::app
