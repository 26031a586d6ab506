#include "app/pages/export_page.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include "state/state_rules.h"

namespace bevelmint::app {

namespace {

// Keys that would change a field's text; moving, selecting and copying pass.
bool wouldEdit(const QKeyEvent* k) {
    if (k->matches(QKeySequence::Paste) || k->matches(QKeySequence::Cut) ||
        k->matches(QKeySequence::Undo) || k->matches(QKeySequence::Redo) ||
        k->matches(QKeySequence::Delete) || k->matches(QKeySequence::DeleteStartOfWord) ||
        k->matches(QKeySequence::DeleteEndOfWord) || k->matches(QKeySequence::DeleteEndOfLine))
        return true;
    if (k->key() == Qt::Key_Backspace || k->key() == Qt::Key_Delete) return true;
    const Qt::KeyboardModifiers mods = k->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return mods == Qt::NoModifier && !k->text().isEmpty() && k->text().at(0).isPrint();
}

}  // namespace

ExportPage::ExportPage(QWidget* parent) : QWidget(parent) {
    auto* format = frame("Picture Format", {6, 4, 216, 118}, this);
    const char* names[3] = {"AMRadioButton12", "AMRadioButton13", "AMRadioButton14"};
    const char* captions[3] = {"GIF - Graphics Interchange", "JPG - JPeG Encoded Picture",
                               "BMP - Windows Bitmap"};
    const int tops[3] = {20, 56, 78};  // room for the notes below GIF and BMP
    for (int i = 0; i < 3; ++i) {
        formatButtons[i] =
            named(new QRadioButton(captions[i], format), names[i], {}, {10, tops[i], 200, 20});
        const auto f = static_cast<state::ExportFormat>(i);
        connect(formatButtons[i], &QRadioButton::clicked, this,
                [this, f] { emit formatChosen(f); });
    }
    // The notes in the interface's own size, grey enough to read.
    for (auto [note, y] : {std::pair{"(transparent)", 39}, std::pair{"(uncompressed)", 97}})
        label(note, {112, y, 100, 16}, format)->setStyleSheet("color: #5f5f5f;");
    label("Button Filename", {10, 128, 200, 18}, this);
    picturePath = named(new QLineEdit(this), "Edit13",
                        "Use the button above to alter the file name", {10, 146, 140, 22});
    auto* choose = named(new QPushButton("choose...", this), "Button7", {}, {154, 146, 62, 22});
    exportPressed =
        named(new QCheckBox("Export Pressed Button Too", this), "AMCheckBox6",
              "Export too button pics for simple and pressed state", {10, 174, 206, 20});
    label("Pressed Button Filename", {10, 196, 200, 18}, this);
    pressedPath = named(new QLineEdit(this), "Edit14", {}, {10, 214, 140, 22});
    pressedChoose = named(new QPushButton("choose...", this), "Button8", {}, {154, 214, 62, 22});
    for (QLineEdit* e : {picturePath, pressedPath}) {
        e->setReadOnly(true);
        e->installEventFilter(this);
    }
    connect(choose, &QPushButton::clicked, this, [this] { emit pathRequested(false); });
    connect(pressedChoose, &QPushButton::clicked, this, [this] { emit pathRequested(true); });
    connect(exportPressed, &QCheckBox::clicked, this, &ExportPage::exportPressedToggled);

    jpegGroup = frame("Compression Level", {6, 244, 216, 110}, this);
    label("0%", {10, 20, 30, 16}, jpegGroup);
    label("100%", {172, 20, 40, 16}, jpegGroup);
    compressionSlider = named(new QSlider(Qt::Horizontal, jpegGroup), "TrackBar3",
                              "Change the JPG compression level", {10, 38, 150, 22});
    compressionSlider->setRange(state::kJpegCompressionRange.min, state::kJpegCompressionRange.max);
    compressionOut = named(new QLineEdit("000", jpegGroup), "Edit12", {}, {166, 38, 44, 22});
    compressionOut->setReadOnly(true);
    compressionOut->setFocusPolicy(Qt::NoFocus);
    progressive = named(new QCheckBox("Use Progressive Encoding", jpegGroup), "AMCheckBox7",
                        "Use progressive JPG compression", {10, 70, 200, 20});
    connect(compressionSlider, &QSlider::valueChanged, this, &ExportPage::compressionMoved);
    connect(progressive, &QCheckBox::clicked, this, &ExportPage::progressiveToggled);
    follow(state::defaultState(), {}, {});
}

void ExportPage::follow(const state::ButtonState& s, const std::string& path,
                        const std::string& pressedPath) {
    const QSignalBlocker quiet(compressionSlider);
    formatButtons[static_cast<int>(s.exportFormat)]->setChecked(true);
    const bool jpeg = s.exportFormat == state::ExportFormat::jpg;
    jpegGroup->setEnabled(jpeg);
    jpegGroup->setVisible(jpeg);
    exportPressed->setChecked(s.exportPressed);
    picturePath->setText(QString::fromStdString(path));
    this->pressedPath->setText(QString::fromStdString(pressedPath));
    this->pressedPath->setEnabled(s.exportPressed);
    pressedChoose->setEnabled(s.exportPressed);
    compressionSlider->setValue(s.jpegCompression);
    compressionOut->setText(QString::number(s.jpegCompression));
    progressive->setChecked(s.jpegProgressive);
}

bool ExportPage::eventFilter(QObject* watched, QEvent* e) {
    const bool pathField = watched == picturePath || watched == pressedPath;
    if (pathField && e->type() == QEvent::KeyPress && wouldEdit(static_cast<QKeyEvent*>(e))) {
        emit editAttempted();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace bevelmint::app
