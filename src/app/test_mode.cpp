#include "app/test_mode.h"

#include <QEvent>
#include <QIcon>

#include "app/pictures.h"

namespace bevelmint::app {

TestMode::TestMode(QWidget* window, Swatch* windowBackground, std::function<QPixmap(Look)> picture)
    : QObject(window), windowBackground(windowBackground), picture_(std::move(picture)) {
    windowBackground->setMouseTracking(true);
    windowBackground->installEventFilter(this);
    testButton = new PointerLabel("Image5", window);
    testButton->hide();
    caption = label("Button Preview", {272, 48, 200, 20}, window, "Label17");
    caption->hide();
    // The trigger choice is only there in test mode; hidden, it can neither
    // catch clicks meant for the page control nor hold the keyboard focus. It
    // stands on the white strip above the window background, in two columns.
    onHover = named(new QRadioButton("act on MouseOver", window), "AMRadioButton15", {},
                    {8, 42, 126, 14});
    onClick = named(new QRadioButton("act on MouseClick", window), "AMRadioButton16", {},
                    {8, 56, 126, 14});
    asWeb = named(new QRadioButton("act as a web button", window), "AMRadioButton17",
                  "hover picture under the pointer, pressed picture while a mouse button is held",
                  {136, 42, 134, 14});
    onHover->setChecked(true);
    for (QRadioButton* b : {onHover, onClick, asWeb})
        b->hide();
    closeButton = new BevelButton("ktBevelButton13", {}, {}, {598, 45, 18, 18}, window);
    closeButton->setIcon(QIcon(asset("glyph-close.svg", {12, 12})));
    closeButton->setToolTip("Leave test mode (Esc)");
    closeButton->hide();
    connect(closeButton, &QPushButton::clicked, this, &TestMode::closeRequested);
    for (auto [button, t] : {std::pair{onHover, Trigger::hover}, std::pair{onClick, Trigger::click},
                             std::pair{asWeb, Trigger::web}}) {
        connect(button, &QRadioButton::clicked, this, [this, t = t] {
            chosen = t;
            choose(t);
        });
    }
    connect(testButton, &PointerLabel::pressed, this, [this](Qt::MouseButton) {
        if (trigger == Trigger::hover) return;
        held = true;
        show(Look::pressed);
    });
    connect(testButton, &PointerLabel::released, this, [this](Qt::MouseButton, bool over) {
        if (trigger == Trigger::hover) return;
        held = false;
        // Released after dragging off the button: the pointer is no longer over it.
        hovering = hovering && over;
        show(trigger == Trigger::web && hovering ? Look::hover : Look::normal);
    });
    connect(testButton, &PointerLabel::moved, this, [this] {
        if (trigger == Trigger::click || hovering) return;
        hovering = true;
        if (!held) show(trigger == Trigger::web ? Look::hover : Look::pressed);
    });
}

void TestMode::choose(Trigger t) {
    trigger = t;
    onHover->setChecked(t == Trigger::hover);
    onClick->setChecked(t == Trigger::click);
    asWeb->setChecked(t == Trigger::web);
    hovering = held = false;
    show(Look::normal);
}

void TestMode::enter(const QSize& buttonSize, const QColor& background, bool asWebButton) {
    windowBackground->setColour(background);
    caption->show();
    const int w = buttonSize.width(), h = buttonSize.height();
    choose(asWebButton ? Trigger::web : chosen);
    testButton->setGeometry(315 - w / 2, 253 - h / 2, w, h);
    testButton->show();
    testButton->raise();
    for (QWidget* w : std::initializer_list<QWidget*>{onHover, onClick, asWeb, closeButton}) {
        w->show();
        w->raise();
    }
    active_ = true;
}

void TestMode::leave() {
    windowBackground->setColour(Qt::white);
    caption->hide();
    testButton->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{onHover, onClick, asWeb, closeButton})
        w->hide();
    active_ = false;
}

bool TestMode::eventFilter(QObject* watched, QEvent* e) {
    // The pointer left the button: over the window background again.
    if (watched == windowBackground && e->type() == QEvent::MouseMove && hovering &&
        trigger != Trigger::click) {
        hovering = false;
        if (!held) show(Look::normal);
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace bevelmint::app
