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
    // The design and the full paths the export writes.
    void follow(const state::ButtonState& s, const std::string& path,
                const std::string& pressedPath);

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
