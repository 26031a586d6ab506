#include "app/qt_desktop.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QUrl>

namespace bevelmint::app {

QString errorBoxText(const QString& text) {
    if (!text.isEmpty() && text.back().unicode() > '.') return text + ".";
    return text;
}

namespace {

// "Name|*.ext|Other|*.o" as Qt's "Name (*.ext);;Other (*.o)".
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + " (" + parts[i + 1] + ")";
    return out.join(";;");
}

// A confirmed dialog also makes the chosen folder the current folder.
std::optional<QString> confirmed(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    QDir::setCurrent(QFileInfo(path).absolutePath());
    return path;
}

}  // namespace

std::optional<QString> QtDesktop::openFileName(const QString& filter, const QString&) {
    return confirmed(QFileDialog::getOpenFileName(parent_, QString(), QString(), qtFilter(filter)));
}

std::optional<QString> QtDesktop::saveFileName(const QString& title, const QString& filter,
                                               const QString& defaultExt,
                                               const QString& suggested) {
    QFileDialog dialog(parent_, title, QString(), qtFilter(filter));
    if (suggested.contains('/')) {
        dialog.setDirectory(QFileInfo(suggested).absolutePath());
        dialog.selectFile(QFileInfo(suggested).fileName());
    } else if (!suggested.isEmpty()) {
        dialog.selectFile(suggested);
    }
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return confirmed(dialog.selectedFiles().front());
}

std::optional<QString> QtDesktop::chooseFolder(const QString& start) {
    const QString folder =
        QFileDialog::getExistingDirectory(parent_, "Choose the Folder for the Web Files", start);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

std::optional<QColor> QtDesktop::chooseColour(const QColor& initial) {
    const QColor c = QColorDialog::getColor(initial, parent_);
    if (!c.isValid()) return std::nullopt;
    return c;
}

std::optional<state::FontDesc> QtDesktop::chooseFont(const state::FontDesc& initial) {
    QFont font(QString::fromStdString(initial.face), initial.size);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    QFontDialog dialog(font, parent_);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // The inscription has no underline or strike-out: hide the effects, the
    // only check boxes the dialog has.
    for (QCheckBox* effect : dialog.findChildren<QCheckBox*>())
        effect->parentWidget()->hide();
    // A face the system lacks is shown as its stand-in: OK without a change
    // keeps the design's font, and without another family keeps its face.
    const QFont shown = dialog.currentFont();
    const QString shownFamily = shown.family();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    if (chosen == shown) return initial;
    const std::string face =
        chosen.family() == shownFamily ? initial.face : chosen.family().toStdString();
    return state::FontDesc{face, chosen.pointSize(), chosen.bold(), chosen.italic()};
}

Desktop::SaveAnswer QtDesktop::askToSave(const QString& designName, const QString& occasion) {
    const auto choice = QMessageBox::question(
        parent_, QApplication::applicationName(),
        QString("Save the changes to %1 before %2?").arg(designName, occasion),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (choice == QMessageBox::Save) return SaveAnswer::save;
    if (choice == QMessageBox::Discard) return SaveAnswer::discard;
    return SaveAnswer::cancel;
}

void QtDesktop::inform(const QString& caption, const QString& text) {
    QString shown = text;
    shown.replace('\r', '\n');
    QMessageBox::information(parent_, caption, shown);
}

void QtDesktop::error(const QString& text) {
    QMessageBox::critical(parent_, QApplication::applicationName(), errorBoxText(text));
}

void QtDesktop::copyText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

bool QtDesktop::openFile(const QString& path, bool) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace bevelmint::app
