#include "app/toolbar.h"

#include <QIcon>
#include <QMouseEvent>

#include "app/pictures.h"

namespace bevelmint::app {

Toolbar::Toolbar(const Actions& actions, QWidget* parent) : QWidget(parent) {
    setObjectName("Toolbar");
    setGeometry(0, 0, 625, 40);
    strip = new Swatch("Shape9", {0, 0, 625, 40}, this);
    strip->installEventFilter(this);
    struct Spec {
        const char* name;
        const char* caption;
        const char* hint;
        int x, w;
        const char* glyph;
        QAction* action;
    };
    const Spec specs[7] = {
        {"ktBevelButton2", "      Save", "Save the button information to its file", 8, 70,
         "glyph-save", actions.save},
        {"ktBevelButton7", "     Load...", "Load button information from a file", 84, 70,
         "glyph-load", actions.load},
        {"ktBevelButton8", "      Load Last...", "Load the last saved or loaded button information",
         160, 97, "glyph-loadlast", actions.loadLast},
        {"ktBevelButton12", "      Test", "test the button instantly", 264, 57, "glyph-test",
         actions.test},
        {"ktBevelButton9", "       Export...", "Export the button picture", 329, 88, "glyph-export",
         actions.exportPictures},
        {"SpeedButton1", "Use Fast Edit", "switch edit mode", 424, 97, "glyph-mode",
         actions.switchMode},
        {"SpeedButton2", "Help", "Click here for help !", 528, 57, "glyph-help", actions.help},
    };
    for (int i = 0; i < 7; ++i) {
        const Spec& sp = specs[i];
        auto* b = new BevelButton(sp.name, sp.caption, sp.hint, {sp.x, 5, sp.w, 26}, this);
        b->setIcon(QIcon(asset(QString(sp.glyph) + ".svg", {16, 16})));
        connect(b, &QPushButton::clicked, sp.action, &QAction::trigger);
        connect(sp.action, &QAction::enabledChanged, b, &QWidget::setEnabled);
        buttons[i] = b;
    }
    modeButton = buttons[5];
    busyIcon = new PointerLabel("Image31", this);
    busyIcon->setGeometry(592, 3, 30, 30);
    busyIcon->setToolTip("Click here for details");
    showBusyFrame(1);
    connect(busyIcon, &PointerLabel::released, this,
            [this](Qt::MouseButton) { emit busyIconClicked(); });
}

void Toolbar::setMenuColour(const QColor& c) {
    strip->setColour(c);
    const QColor caption = captionColourOn(c);
    for (BevelButton* b : buttons)
        b->setCaptionColour(caption);
}

void Toolbar::setModeCaption(bool fastEdit) {
    // The caption says what a click does.
    modeButton->setText(fastEdit ? "Use Real Edit" : "Use Fast Edit");
    modeButton->setToolTip(fastEdit ? "Switch to real edit mode: the finished button"
                                    : "Switch to fast edit mode: a quick sketch while you edit");
    modeButton->setCaptionColour(modeButton->captionColour());  // fits the new caption
}

void Toolbar::showBusyFrame(int frame) {
    if (frame != shownFrame)
        busyIcon->setPixmap(asset(QString("busy-%1.svg").arg(frame), {30, 30}));
    shownFrame = frame;
    busyIcon->repaint();
}

bool Toolbar::eventFilter(QObject* watched, QEvent* e) {
    if (watched == strip && e->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::RightButton) {
            emit popupRequested(me->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace bevelmint::app
