#include "app/file_commands.h"

#include <QFileInfo>

#include "export/html_snippet.h"
#include "export/picture_export.h"
#include "files/design_file.h"

namespace bevelmint::app {

namespace {

const char* kDesignFilter = "Bevelmint|*.bvm";
const char* kMissingNames =
    "Please enter a filename for the button-picture first.\r\rIf you checked \"Export Pressed "
    "Button Too\" then make shure\rto enter a second filename too!";
const char* kMissingHtmlNames =
    "Please enter a filename for the button-picture at Export-Section first.\r\rIf you checked "
    "\"Export Pressed Button Too\" then make shure\rto enter a second filename too!";
const char* kNoBmp =
    "You have to choose GIF Export or JPG Export at Export-Section\rbecause Browsers can't read "
    "BMP Bitmaps !";
const char* kMissingTag = "Please Create a HTML TAG first!";

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

bool FileCommands::save() {
    const auto path = p.desktop.saveFileName(kDesignFilter, "bvm");
    if (!path) return false;
    if (auto error = files::savebutton(path->toStdString(), p.design, p.texture)) {
        p.desktop.error(fromStd(error->message));
        return false;
    }
    emit saved(*path);
    return true;
}

void FileCommands::load() {
    if (const auto path = p.desktop.openFileName(kDesignFilter, "bvm")) open(*path);
}

void FileCommands::loadLast() {
    if (p.design.lastFile.empty()) {
        p.desktop.inform(
            "No File saved",
            "Sorry, you can not load the last button when you didn't open or save a button ever!");
        return;
    }
    const QString last = fromStd(p.design.lastFile);
    if (QFileInfo::exists(last)) open(last);
}

bool FileCommands::open(const QString& path) {
    const files::LoadResult result = files::openbutton(path.toStdString(), p.design, p.texture);
    if (result.error) {
        p.desktop.error(fromStd(result.error->message));
        return false;
    }
    for (const files::Notice& n : result.notices)
        p.desktop.inform(fromStd(n.caption), fromStd(n.text));
    p.design.liveUpdate = true;
    emit loaded(path);
    return true;
}

void FileCommands::choosePicturePath(bool pressed) {
    static const char* filters[3] = {"Graphics Interchange|*.gif", "JPEG Encoded Picture|*.jpg",
                                     "Windows Bitmap|*.bmp"};
    static const char* exts[3] = {"gif", "jpg", "bmp"};
    const int k = static_cast<int>(p.design.exportFormat);
    const auto path = p.desktop.saveFileName(filters[k], exts[k]);
    if (!path) return;
    p.exportPage.setPath(pressed, *path);
    p.commands.setExportFileName(pressed, *path);
}

bool FileCommands::namesMissing() const {
    return p.exportPage.path(false).isEmpty() ||
           (p.design.exportPressed && p.exportPage.path(true).isEmpty());
}

void FileCommands::exportPictures() {
    if (p.exportPage.path(false).isEmpty()) choosePicturePath(false);
    if (p.design.exportPressed && p.exportPage.path(true).isEmpty()) choosePicturePath(true);
    if (namesMissing()) {
        p.desktop.inform("Missing File Name(s)", kMissingNames);
        return;
    }
    if (p.design.fastEdit) p.commands.switchMode();
    const QString normal = p.exportPage.path(false), pressed = p.exportPage.path(true);
    const auto error = exporter::exportPictures(p.design, p.pipeline.normal(), p.pipeline.pressed(),
                                                normal.toStdString(), pressed.toStdString());
    emit renderRequested();
    if (error) {
        p.desktop.error(fromStd(error->message));
        return;
    }
    // The fixed message, and beneath it where the pictures went.
    const QString written = p.design.exportPressed ? normal + "\r" + pressed : normal;
    p.desktop.inform(
        "Complete",
        QString(p.design.exportPressed ? "Files Saved !" : "File Saved !") + "\r\r" + written);
}

void FileCommands::createHtmlTag() {
    if (namesMissing()) {
        p.desktop.inform("Missing File Name(s)", kMissingHtmlNames);
        return;
    }
    if (p.design.exportFormat == state::ExportFormat::bmp) {
        p.desktop.inform("HTML doesn't support BMP", kNoBmp);
        return;
    }
    const std::string fragment =
        exporter::htmlFragment(p.design.exportFileName, p.design.exportPressedFileName,
                               p.design.buttonText, p.design.exportPressed);
    p.htmlPage.showFragment(fromStd(fragment));
}

void FileCommands::copyHtml() {
    if (p.htmlPage.fragment().isEmpty()) {
        p.desktop.inform("Missing Tag", kMissingTag);
        return;
    }
    p.htmlPage.selectAll();
    p.desktop.copyText(p.htmlPage.fragment());
    p.htmlPage.clearSelection();
}

void FileCommands::saveHtml() {
    if (p.htmlPage.fragment().isEmpty()) {
        p.desktop.inform("Missing Tag", kMissingTag);
        return;
    }
    const auto path = p.desktop.saveFileName("html|*.html|htm|*.htm", "html");
    if (!path) return;
    p.design.htmlFileName = path->toStdString();
    if (auto error =
            exporter::writeHtmlPage(p.htmlPage.fragment().toStdString(), p.design.htmlFileName)) {
        p.desktop.error(fromStd(error->message));
        return;
    }
    p.htmlPage.savedPage();
}

void FileCommands::openHtml() {
    if (!p.design.htmlFileName.empty()) p.desktop.openFile(fromStd(p.design.htmlFileName), true);
}

}  // namespace bevelmint::app
