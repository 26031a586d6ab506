#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <array>

#include "app/widgets.h"
#include "state/button_state.h"

namespace bevelmint::app {

// The Export page: picture format, the two read-only path fields with their
// "choose..." buttons, and the JPEG settings.
class ExportPage : public QWidget {
    Q_OBJECT
  public:
    explicit ExportPage(QWidget* parent = nullptr);
    void follow(const state::ButtonState& s);

    QString path(bool pressed) const { return (pressed ? pressedPath : picturePath)->text(); }
    void setPath(bool pressed, const QString& p) {
        (pressed ? pressedPath : picturePath)->setText(p);
    }
    void clearPaths();
    // The pressed path and its button follow the box when it is clicked or
    // loaded, but not when a format change unchecks it.
    void setPressedPathEnabled(bool on);

  signals:
    void formatChosen(state::ExportFormat f);
    void exportPressedToggled(bool on);
    void pathRequested(bool pressed);
    void compressionMoved(int v);
    void progressiveToggled(bool on);
    // A key that would edit a read-only path field.
    void editAttempted();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    std::array<QRadioButton*, 3> formatButtons{};
    QLineEdit* picturePath;
    QLineEdit* pressedPath;
    QPushButton* pressedChoose;
    QCheckBox* exportPressed;
    QWidget* jpegGroup;
    QSlider* compressionSlider;
    QLineEdit* compressionOut;
    QCheckBox* progressive;
};

}  // namespace bevelmint::app
