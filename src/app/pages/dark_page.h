#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <array>

#include "image/picture.h"
#include "state/button_state.h"

namespace bevelmint::app {

// The Dark page: whether web exports carry a dark variant, its button, text and
// page colours, and a preview of the button on the dark page.
class DarkPage : public QWidget {
    Q_OBJECT
  public:
    explicit DarkPage(QWidget* parent = nullptr);
    void follow(const state::ButtonState& s);
    // The dark variant's normal picture, on its page colour.
    void showPreview(const image::Picture& picture, image::Rgb page);

  signals:
    // A design field and its new value, as --set takes them.
    void fieldEdited(const QString& name, const QString& value);

  private:
    QCheckBox* schemeBox;
    std::array<QSpinBox*, 9> channels{};  // button, text, page; red, green, blue each
    QLabel* preview;
};

}  // namespace bevelmint::app
