#include "app/preview.h"

#include <QMouseEvent>

#include "app/pictures.h"

namespace bevelmint::app {

namespace {

// The three bands of the states: top and height.
constexpr int kBandTop[3] = {40, 176, 312};
constexpr int kBandHeight[3] = {136, 136, 137};
constexpr int kLeft = 283, kWidth = 350;

}  // namespace

Preview::Preview(QWidget* window) : QObject(window) {
    // Placed by layOut.
    normalBackground = new Swatch("Shape3", {}, window);
    hoverBackground = new Swatch("HoverBackground", {}, window);
    pressedBackground = new Swatch("Shape7", {}, window);
    upperSeparator = new Swatch("Shape17", {}, window);
    lowerSeparator = new Swatch("Shape18", {}, window);
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
    hoverView = view("HoverView", "Button View under the pointer");
    pressedView = view("Image42", "pressed Button View");
    const char* names[3] = {"normal", "hover", "pressed"};
    for (int i = 0; i < 3; ++i) {
        stateNames[i] = label(names[i], {kLeft + 6, kBandTop[i] + 3, 80, 14}, window,
                              QString("StateName%1").arg(i + 1));
        stateNames[i]->setFont(QFont(stateNames[i]->font().family(), 8));
    }
    for (Swatch* s : {normalBackground, hoverBackground, pressedBackground})
        s->installEventFilter(this);
    layOut(false);
}

void Preview::layOut(bool three) {
    threeStates = three;
    if (three) {
        normalBackground->setGeometry(kLeft, kBandTop[0], kWidth, kBandHeight[0]);
        hoverBackground->setGeometry(kLeft, kBandTop[1], kWidth, kBandHeight[1]);
        pressedBackground->setGeometry(kLeft, kBandTop[2], kWidth, kBandHeight[2]);
        upperSeparator->setGeometry(kLeft, kBandTop[1], kWidth, 1);
        lowerSeparator->setGeometry(kLeft, kBandTop[2], kWidth, 1);
    } else {
        normalBackground->setGeometry(kLeft, 40, kWidth, 201);
        pressedBackground->setGeometry(kLeft, 239, kWidth, 210);
        upperSeparator->setGeometry(kLeft, 40, kWidth, 1);
        lowerSeparator->setGeometry(kLeft, 239, kWidth, 1);
    }
    setShown(shown);
}

void Preview::show(const render::ButtonPictures& pictures, int w, int h, int scale,
                   bool withHover) {
    if (withHover != threeStates) layOut(withHover);
    if (!withHover) {
        normalView->setGeometry(455 - w / 2, 140 - h / 2, w, h);
        pressedView->setGeometry(455 - w / 2, 339 - h / 2, w, h);
        normalView->setPixmap(toPixmap(pictures.normal, w, h, scale));
        pressedView->setPixmap(toPixmap(pictures.pressed, w, h, scale));
        return;
    }
    const image::Picture* shown[3] = {&pictures.normal, &pictures.hover, &pictures.pressed};
    PointerLabel* views[3] = {normalView, hoverView, pressedView};
    for (int i = 0; i < 3; ++i) {
        QPixmap p = toPixmap(*shown[i], w, h, scale);
        // Leave room for the band's name above a button that fills the band.
        const int room = kBandHeight[i] - 8;
        QSize size(w, h);
        if (h > room) {
            p = p.scaledToHeight(room * scale, Qt::SmoothTransformation);
            p.setDevicePixelRatio(scale);
            size = p.deviceIndependentSize().toSize();
        }
        const int cx = kLeft + kWidth / 2 - 3, cy = kBandTop[i] + kBandHeight[i] / 2;
        views[i]->setGeometry(cx - size.width() / 2, cy - size.height() / 2, size.width(),
                              size.height());
        views[i]->setPixmap(p);
    }
}

void Preview::setBackground(const QColor& c) {
    for (Swatch* s : {normalBackground, hoverBackground, pressedBackground})
        s->setColour(c);
    // Black or white, whichever reads better on the background.
    const QString style = QString("color: %1;").arg(captionColourOn(c).name());
    for (QLabel* l : stateNames)
        restyle(l, style);
}

void Preview::setShown(bool on) {
    shown = on;
    for (QWidget* w :
         std::initializer_list<QWidget*>{normalBackground, pressedBackground, upperSeparator,
                                         lowerSeparator, normalView, pressedView})
        w->setVisible(on);
    hoverBackground->setVisible(on && threeStates);
    hoverView->setVisible(on && threeStates);
    for (QLabel* l : stateNames)
        l->setVisible(on && threeStates);
    if (!on) return;
    for (QWidget* w : std::initializer_list<QWidget*>{stateNames[0], stateNames[1], stateNames[2],
                                                      normalView, hoverView, pressedView})
        w->raise();
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
