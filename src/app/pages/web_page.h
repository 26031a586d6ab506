#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <array>

#include "app/widgets.h"
#include "editor/web_export.h"
#include "export/contrast_report.h"

namespace bevelmint::app {

// The Web page: PNG (lossless or palette) or WebP pictures at 1x, 2x and 3x
// with their hover state, or SVG pictures, the files' base name and folder, an
// optional label list for a whole set, the markup (over the pictures, or live
// buttons drawn by CSS) and its commands, "Export for Web", and the contrast
// figures of the button as it is now.
class WebPage : public QWidget {
    Q_OBJECT
  public:
    explicit WebPage(QWidget* parent = nullptr);
    void follow(const editor::WebSettings& web, int hoverLift);
    void showMarkup(const QString& text);
    QString markup() const { return markupBox->toPlainText(); }
    void showReport(const exporter::ButtonReport& report);
    // Hands the label list as typed to the editor now, if it changed.
    void commitLabels();
    // Hands over what is still being typed (labels, base name) before a command
    // reads the settings; false when a typed base name was refused.
    bool commitPending();
    // Shows the settings' base name again (a typed one was refused).
    void restoreBaseName();
    void pageWritten() { openButton->setEnabled(true); }
    // The line of the label list the cursor is on: the previews show its label.
    int labelLine() const { return labels->textCursor().blockNumber(); }

  signals:
    void formatChosen(state::WebFormat format);
    void paletteToggled(bool on);
    void scaleToggled(int scale, bool on);
    void hoverLiftMoved(int v);
    void baseNameEdited(const QString& name);
    void folderRequested();
    void markupChosen(editor::WebMarkup markup);
    void labelsEdited(const QString& labels);
    void labelLineChanged();
    void copyRequested();
    void saveRequested();
    void openRequested();
    void exportRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void commitBaseName();

    QRadioButton* pngButton;
    QRadioButton* webpButton;
    QRadioButton* svgButton;
    QCheckBox* paletteBox;
    std::array<QCheckBox*, 3> scaleBoxes{};
    FatScrollBar* hoverLiftBar;
    QLabel* hoverLiftOut;
    QLineEdit* baseName;
    std::string followedBaseName;
    bool baseNameRefused = false;
    QLineEdit* folder;
    QPlainTextEdit* labels;
    QTimer labelsPause;
    std::string followedLabels;
    int shownLine = 0;
    QComboBox* markupChoice;
    QPlainTextEdit* markupBox;
    BevelButton* openButton;
    std::array<QLabel*, 3> figures{};
};

}  // namespace bevelmint::app
