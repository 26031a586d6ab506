#include "app/widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>

namespace bevelmint::app {

FatScrollBar::FatScrollBar(Qt::Orientation o, int min, int max, int value, int pageStep,
                           QWidget* parent)
    : QScrollBar(o, parent) {
    setRange(min, max);
    setValue(value);
    setSingleStep(1);
    setPageStep(pageStep);
}

void FatScrollBar::setPosition(int v) {
    if (v >= minimum() && v <= maximum()) setValue(v);
}

void FatScrollBar::setLimit(int max) {
    if (max >= minimum()) setMaximum(max);
}

QSize LeftTabBar::tabSizeHint(int) const {
    return {55, 30};
}

// Horizontal captions on tabs placed along the left edge.
void LeftTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab tab;
        initStyleOption(&tab, i);
        tab.shape = QTabBar::RoundedNorth;
        painter.drawControl(QStyle::CE_TabBarTabShape, tab);
        painter.drawText(tabRect(i), Qt::AlignCenter, tabText(i));
    }
}

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new LeftTabBar(this));
    setTabPosition(QTabWidget::West);
    setObjectName("PageControl1");
    setGeometry(0, 40, 283, 407);
    setAutoFillBackground(true);
}

void PageControl::setTabColour(const QColor& c) {
    QPalette p = tabBar()->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);
    tabBar()->setPalette(p);
    tabBar()->setAutoFillBackground(true);
}

Swatch::Swatch(const QString& name, QRect place, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setGeometry(place);
    setAutoFillBackground(true);
}

void Swatch::setColour(const QColor& fill, const QColor& outline) {
    fill_ = fill;
    setStyleSheet(QString("#%1 { background: %2; border: 1px solid %3; }")
                      .arg(objectName(), fill.name(), outline.name()));
}

BevelButton::BevelButton(const QString& name, const QString& caption, const QString& hint,
                         QRect place, QWidget* parent)
    : QPushButton(caption.trimmed(), parent) {
    // The caption's leading blanks made room for the glyph; Qt places the icon itself.
    setProperty("caption", caption);
    setObjectName(name);
    setToolTip(hint);
    setGeometry(place);
    setFocusPolicy(Qt::TabFocus);
}

void BevelButton::setCaptionColour(const QColor& c) {
    captionColour_ = c;
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, c);
    setPalette(p);
    setStyleSheet(
        QString(
            "QPushButton { color: %1; background: transparent; font-size: 10px;"
            " border: 1px solid rgba(255, 255, 255, 110); border-bottom-color: rgba(0, 0, 0, 90);"
            " border-right-color: rgba(0, 0, 0, 90); border-radius: 2px; text-align: left;"
            " padding-left: 3px; }"
            "QPushButton:hover { background: rgba(255, 255, 255, 45); }"
            "QPushButton:pressed { border-color: rgba(0, 0, 0, 90); }")
            .arg(c.name()));
}

PointerLabel::PointerLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setMouseTracking(true);
}

void PointerLabel::mousePressEvent(QMouseEvent* e) {
    emit pressed(e->button());
}
void PointerLabel::mouseReleaseEvent(QMouseEvent* e) {
    emit released(e->button());
}
void PointerLabel::mouseMoveEvent(QMouseEvent*) {
    emit moved();
}

}  // namespace bevelmint::app
