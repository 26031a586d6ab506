#include "app/widgets.h"

#include "app/pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionTab>
#include <QStylePainter>

namespace bevelmint::app {

FatScrollBar::FatScrollBar(Qt::Orientation o, state::Range range, int pageStep, QWidget* parent)
    : QScrollBar(o, parent) {
    setRange(range.min, range.max);
    setSingleStep(1);
    setPageStep(pageStep);
    setFocusPolicy(Qt::StrongFocus);
    // Scroll bars invert their keys; a horizontal one should still move right
    // with the right arrow.
    setInvertedControls(o == Qt::Vertical);
}

void FatScrollBar::paintEvent(QPaintEvent* e) {
    QScrollBar::paintEvent(e);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

HexEntry::HexEntry(const QString& name, const QString& hint, QRect place, QWidget* parent)
    : QLineEdit(parent) {
    named(this, name, hint, place);
    setMaxLength(7);
    connect(this, &QLineEdit::editingFinished, this, &HexEntry::commit);
}

void HexEntry::setColour(const QColor& c) {
    shown_ = c;
    setText(c.name().toUpper());
}

void HexEntry::commit() {
    static const QRegularExpression hex("^#?[0-9A-Fa-f]{6}$");
    const QString typed = text().trimmed();
    if (!hex.match(typed).hasMatch()) {
        setColour(shown_);
        return;
    }
    const QColor c(typed.startsWith('#') ? typed : "#" + typed);
    // The owner shows the accepted colour through setColour before this goes on.
    if (c != shown_) emit colourEntered(c);
    setColour(shown_);
}

void FatScrollBar::setPosition(int v) {
    if (v >= minimum() && v <= maximum()) setValue(v);
}

void FatScrollBar::setPositionAsHint(int v) {
    setPosition(v);
    if (hinted_ && *hinted_ != v) setToolTip(QString::number(v));
    hinted_ = v;
}

void FatScrollBar::setLimit(int max) {
    if (max >= minimum()) setMaximum(max);
}

void LeftTabBar::setCaptionColour(const QColor& c) {
    caption_ = c;
    update();
}

QSize LeftTabBar::tabSizeHint(int) const {
    return {55, 30};
}

void LeftTabBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down) {
        QTabBar::keyPressEvent(event);
        return;
    }
    const int next = currentIndex() + (event->key() == Qt::Key_Down ? 1 : -1);
    if (next >= 0 && next < count()) setCurrentIndex(next);
}

// Horizontal captions on tabs placed along the left edge.
void LeftTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab tab;
        initStyleOption(&tab, i);
        tab.shape = QTabBar::RoundedNorth;
        painter.drawControl(QStyle::CE_TabBarTabShape, tab);
        painter.setPen(caption_);
        painter.drawText(tabRect(i), Qt::AlignCenter, tabText(i));
    }
    // The list holds the focus: the current page's tab is outlined.
    if (hasFocus() && currentIndex() >= 0) {
        painter.setPen(QPen(caption_, 1, Qt::DotLine));
        painter.drawRect(tabRect(currentIndex()).adjusted(3, 3, -4, -4));
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
    static_cast<LeftTabBar*>(tabBar())->setCaptionColour(captionColourOn(c));
}

void restyle(QWidget* w, const QString& style) {
    if (w->styleSheet() != style) w->setStyleSheet(style);
}

Swatch::Swatch(const QString& name, QRect place, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setGeometry(place);
    setAutoFillBackground(true);
}

void Swatch::setColour(const QColor& fill, const QColor& outline) {
    fill_ = fill;
    restyle(this, QString("#%1 { background: %2; border: 1px solid %3; }")
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
    // Captions 10 pixels high, smaller where the interface font would not fit
    // the caption beside its glyph.
    const int room = width() - iconSize().width() - 12;
    int px = 10;
    QFont f = font();
    for (; px > 7; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(text()) <= room) break;
    }
    setStyleSheet(
        QString(
            "QPushButton { color: %1; background: transparent; font-size: %2px;"
            " border: 1px solid rgba(255, 255, 255, 110); border-bottom-color: rgba(0, 0, 0, 90);"
            " border-right-color: rgba(0, 0, 0, 90); border-radius: 2px; text-align: left;"
            " padding-left: 3px; }"
            "QPushButton:hover { background: rgba(255, 255, 255, 45); }"
            "QPushButton:pressed { border-color: rgba(0, 0, 0, 90); }"
            "QPushButton:focus { border: 1px dotted %1; }"
            "QPushButton:disabled { color: rgba(%3, %4, %5, 110); }")
            .arg(c.name())
            .arg(px)
            .arg(c.red())
            .arg(c.green())
            .arg(c.blue()));
}

PointerLabel::PointerLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setMouseTracking(true);
}

void PointerLabel::mousePressEvent(QMouseEvent* e) {
    emit pressed(e->button());
}
void PointerLabel::mouseReleaseEvent(QMouseEvent* e) {
    emit released(e->button(), rect().contains(e->position().toPoint()));
}
void PointerLabel::mouseMoveEvent(QMouseEvent*) {
    emit moved();
}

QLabel* label(const QString& text, QRect place, QWidget* parent, const QString& name) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    if (!name.isEmpty()) l->setObjectName(name);
    return l;
}

QGroupBox* frame(const QString& caption, QRect place, QWidget* parent) {
    auto* g = new QGroupBox(caption, parent);
    g->setGeometry(place);
    return g;
}

}  // namespace bevelmint::app
