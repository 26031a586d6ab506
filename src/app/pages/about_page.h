#pragma once

#include <QWidget>

namespace bevelmint::app {

// The About page: the artwork, the build label and the hidden reset spot.
class AboutPage : public QWidget {
    Q_OBJECT
  public:
    explicit AboutPage(QWidget* parent = nullptr);

  signals:
    void resetSpotClicked();
};

}  // namespace bevelmint::app
