#pragma once

#include <QLabel>
#include <QPixmap>

namespace bevelmint::app {

// The splash box: one picture, centred on the screen, without border and above
// other windows; it closes itself after a while.
class AboutBox : public QLabel {
  public:
    explicit AboutBox(const QPixmap& picture);
    void showFor(int milliseconds);
};

}  // namespace bevelmint::app
