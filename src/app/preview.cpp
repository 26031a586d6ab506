#include "app/preview.h"

#include <QMouseEvent>

#include "app/pictures.h"

namespace bevelmint::app {

Preview::Preview(QWidget* window) : QObject(window) {
    normalBackground = new Swatch("Shape3", {283, 40, 350, 201}, window);
    pressedBackground = new Swatch("Shape7", {283, 239, 350, 210}, window);
    upperSeparator = new Swatch("Shape17", {283, 40, 350, 1}, window);
    lowerSeparator = new Swatch("Shape18", {283, 239, 350, 1}, window);
    upperSeparator->setColour(Qt::gray);
    lowerSeparator->setColour(Qt::gray);
    auto view = [this, window](const char* name, const char* hint) {
        auto* l = new PointerLabel(name, window);
        l->setToolTip(hint);
        l->installEventFilter(this);
        connect(l, &PointerLabel::released, this, [this](Qt::MouseButton b) {
            if (b == Qt::LeftButton) emit testRequested();
        });
        return l;
    };
    normalView = view("Image6", "normal Button View");
    pressedView = view("Image42", "pressed Button View");
    normalBackground->installEventFilter(this);
    pressedBackground->installEventFilter(this);
}

void Preview::show(const image::Picture& normal, const image::Picture& pressed, int w, int h) {
    normalView->setGeometry(455 - w / 2, 140 - h / 2, w, h);
    pressedView->setGeometry(455 - w / 2, 339 - h / 2, w, h);
    normalView->setPixmap(toPixmap(normal, w, h));
    pressedView->setPixmap(toPixmap(pressed, w, h));
}

void Preview::setBackground(const QColor& c) {
    normalBackground->setColour(c);
    pressedBackground->setColour(c);
}

void Preview::setShown(bool on) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{normalBackground, pressedBackground, upperSeparator,
                                         lowerSeparator, normalView, pressedView})
        w->setVisible(on);
    if (!on) return;
    normalView->raise();
    pressedView->raise();
}

bool Preview::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::RightButton) {
            emit popupRequested(me->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace bevelmint::app
