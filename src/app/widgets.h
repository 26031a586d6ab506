#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <optional>

#include "state/state_rules.h"

namespace bevelmint::app {

// A thick scroll bar that ignores a position or a limit outside its range and
// signals only real changes (valueChanged). It takes the keyboard focus, moves
// with the arrow keys and Page Up/Down, and marks its focus with a frame.
class FatScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    FatScrollBar(Qt::Orientation o, state::Range range, int pageStep, QWidget* parent);
    // Moves to v; a value outside the range is ignored.
    void setPosition(int v);
    // A new upper limit; one below the minimum is ignored.
    void setLimit(int max);
    // Moves to v; from the second position it is shown on, a new position
    // also becomes the bar's hint.
    void setPositionAsHint(int v);

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    std::optional<int> hinted_;
};

// A colour typed as #RRGGBB; Enter or leaving the field with a valid colour
// reports it, anything else puts the shown colour back.
class HexEntry : public QLineEdit {
    Q_OBJECT
  public:
    HexEntry(const QString& name, const QString& hint, QRect place, QWidget* parent);
    void setColour(const QColor& c);

  signals:
    void colourEntered(const QColor& c);

  private:
    void commit();
    QColor shown_;
};

// Tabs on the left with horizontal text, 55 x 30 each; with the focus, the
// up and down keys move through them as through a list.
class LeftTabBar : public QTabBar {
  public:
    using QTabBar::QTabBar;
    void setCaptionColour(const QColor& c);
    QColor captionColour() const { return caption_; }

  protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QColor caption_ = Qt::black;
};

class PageControl : public QTabWidget {
  public:
    explicit PageControl(QWidget* parent);
    // The tab strip in the menu colour, its captions black or white to suit.
    void setTabColour(const QColor& c);
};

// A filled rectangle (the swatches, the toolbar strip, the backgrounds).
class Swatch : public QFrame {
  public:
    Swatch(const QString& name, QRect place, QWidget* parent);
    void setColour(const QColor& fill, const QColor& outline);
    void setColour(const QColor& c) { setColour(c, c); }
    QColor colour() const { return fill_; }

  private:
    QColor fill_;
};

// A bevelled push button with a glyph beside its caption.
class BevelButton : public QPushButton {
  public:
    BevelButton(const QString& name, const QString& caption, const QString& hint, QRect place,
                QWidget* parent);
    // Toolbar look: flat on the menu strip, with captions in the given colour.
    void setCaptionColour(const QColor& c);
    QColor captionColour() const { return captionColour_; }

  private:
    QColor captionColour_;
};

// A label that reports presses, releases and moves of the pointer.
class PointerLabel : public QLabel {
    Q_OBJECT
  public:
    PointerLabel(const QString& name, QWidget* parent);

  signals:
    void pressed(Qt::MouseButton button);
    // `over`: the pointer is still over the label when the button goes up.
    void released(Qt::MouseButton button, bool over);
    void moved();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

// Sets a style sheet unless the widget has it already: a style sheet set again
// restyles the widget even when it says the same, and views follow every render.
void restyle(QWidget* w, const QString& style);

// Building blocks of the pages: a label, a captioned frame, and a control given
// its object name, hint and place.
QLabel* label(const QString& text, QRect place, QWidget* parent, const QString& name = {});
QGroupBox* frame(const QString& caption, QRect place, QWidget* parent);
template <class W>
W* named(W* w, const QString& name, const QString& hint, QRect place) {
    w->setObjectName(name);
    w->setToolTip(hint);
    w->setGeometry(place);
    return w;
}

}  // namespace bevelmint::app
