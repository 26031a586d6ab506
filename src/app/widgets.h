#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

namespace bevelmint::app {

// A thick scroll bar that ignores a position or a limit outside its range and
// signals only real changes (valueChanged).
class FatScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    FatScrollBar(Qt::Orientation o, int min, int max, int value, int pageStep, QWidget* parent);
    // Moves to v; a value outside the range is ignored.
    void setPosition(int v);
    // A new upper limit; one below the minimum is ignored.
    void setLimit(int max);
};

// Tabs on the left with horizontal text, 55 x 30 each.
class LeftTabBar : public QTabBar {
  public:
    using QTabBar::QTabBar;

  protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
};

class PageControl : public QTabWidget {
  public:
    explicit PageControl(QWidget* parent);
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
    void released(Qt::MouseButton button);
    void moved();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

}  // namespace bevelmint::app
