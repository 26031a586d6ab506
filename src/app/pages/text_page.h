#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "app/widgets.h"
#include "state/button_state.h"

namespace bevelmint::app {

// The Text page: the inscription, its font, size, engraved look and offset.
class TextPage : public QWidget {
    Q_OBJECT
  public:
    explicit TextPage(QWidget* parent = nullptr);
    // The inscription field is the user's draft until applied; it follows the
    // design's text only when that changes (a load, an undo).
    void follow(const state::ButtonState& s);
    bool text3DEnabled() const { return text3D->isEnabled(); }

  signals:
    void useTextToggled(bool on);
    void applyRequested(const QString& text);
    void fontRequested();
    void fontSizeMoved(int v);
    void text3DToggled(bool on);
    void offsetXMoved(int v);
    void offsetYMoved(int v);

  private:
    QCheckBox* useText;
    QLineEdit* inscription;
    BevelButton* applyButton;
    BevelButton* fontButton;
    FatScrollBar* fontSizeBar;
    QLabel* fontSizeOut;
    QCheckBox* text3D;
    QSlider* offsetXSlider;
    QSlider* offsetYSlider;
    QLabel* offsetXOut;
    QLabel* offsetYOut;
    std::string shownText;
};

}  // namespace bevelmint::app
