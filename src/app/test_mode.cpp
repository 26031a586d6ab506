#include "app/test_mode.h"

#include <QEvent>
#include <QIcon>

#include "app/pictures.h"

namespace bevelmint::app {

TestMode::TestMode(QWidget* window, Swatch* windowBackground,
                   std::function<QPixmap(bool pressed)> picture)
    : QObject(window), windowBackground(windowBackground), picture_(std::move(picture)) {
    windowBackground->setMouseTracking(true);
    windowBackground->installEventFilter(this);
    testButton = new PointerLabel("Image5", window);
    testButton->hide();
    caption = label("Button Preview", {272, 48, 200, 20}, window, "Label17");
    caption->hide();
    // The trigger choice is only there in test mode; hidden, it can neither
    // catch clicks meant for the page control nor hold the keyboard focus.
    onHover = named(new QRadioButton("act on MouseOver", window), "AMRadioButton15", {},
                    {0, 40, 150, 14});
    onClick = named(new QRadioButton("act on MouseClick", window), "AMRadioButton16", {},
                    {0, 54, 150, 14});
    onHover->setChecked(true);
    onHover->hide();
    onClick->hide();
    closeButton = new BevelButton("ktBevelButton13", {}, {}, {598, 45, 18, 18}, window);
    closeButton->setIcon(QIcon(asset("glyph-close.svg", {12, 12})));
    connect(closeButton, &QPushButton::clicked, this, &TestMode::closeRequested);
    connect(onHover, &QRadioButton::clicked, this, [this] { actOnHover = true; });
    connect(onClick, &QRadioButton::clicked, this, [this] { actOnHover = false; });
    connect(testButton, &PointerLabel::pressed, this, [this](Qt::MouseButton) {
        if (!actOnHover) showPressed(true);
    });
    connect(testButton, &PointerLabel::released, this, [this](Qt::MouseButton) {
        if (!actOnHover) showPressed(false);
    });
    connect(testButton, &PointerLabel::moved, this, [this] {
        if (actOnHover && !hovering) {
            showPressed(true);
            hovering = true;
        }
    });
}

void TestMode::enter(const QSize& buttonSize, const QColor& background) {
    windowBackground->setColour(background);
    caption->show();
    const int w = buttonSize.width(), h = buttonSize.height();
    showPressed(false);
    testButton->setGeometry(315 - w / 2, 253 - h / 2, w, h);
    testButton->show();
    testButton->raise();
    for (QWidget* b : {static_cast<QWidget*>(onHover), static_cast<QWidget*>(onClick)}) {
        b->show();
        b->raise();
    }
    hovering = false;
    active_ = true;
}

void TestMode::leave() {
    windowBackground->setColour(Qt::white);
    caption->hide();
    testButton->hide();
    onHover->hide();
    onClick->hide();
    active_ = false;
}

bool TestMode::eventFilter(QObject* watched, QEvent* e) {
    if (watched == windowBackground && e->type() == QEvent::MouseMove && actOnHover && hovering) {
        showPressed(false);
        hovering = false;
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace bevelmint::app
