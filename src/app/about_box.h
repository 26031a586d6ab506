#pragma once

#include <QLabel>
#include <QPixmap>

namespace bevelmint::app {

// The splash box: one picture, centred on the screen, without border and above
// other windows; it closes itself after a while.
class TAboutBox : public QLabel {
  public:
    explicit TAboutBox(const QPixmap& picture);
    void showFor(int milliseconds);
};

}  // namespace bevelmint::app
