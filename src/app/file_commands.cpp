#include "app/file_commands.h"

#include "editor/export_request.h"
#include "state/enum_names.h"

#include <QFileInfo>

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
    const auto path = desktop.saveFileName(kDesignFilter, "bvm");
    if (!path) return false;
    if (auto error = ed.saveDesign(path->toStdString())) {
        desktop.error(fromStd(error->message));
        return false;
    }
    return true;
}

void FileCommands::load() {
    if (const auto path = desktop.openFileName(kDesignFilter, "bvm")) open(*path);
}

void FileCommands::loadLast() {
    const std::string& last = ed.session().lastFile;
    if (last.empty()) {
        desktop.inform(
            "No File saved",
            "Sorry, you can not load the last button when you didn't open or save a button ever!");
        return;
    }
    if (QFileInfo::exists(fromStd(last))) open(fromStd(last));
}

bool FileCommands::open(const QString& path) {
    const files::LoadResult result = ed.loadDesign(path.toStdString());
    if (result.error) {
        desktop.error(fromStd(result.error->message));
        return false;
    }
    for (const files::Notice& n : result.notices)
        desktop.inform(fromStd(n.caption), fromStd(n.text));
    return true;
}

void FileCommands::choosePicturePath(bool pressed) {
    static const char* filters[3] = {"Graphics Interchange|*.gif", "JPEG Encoded Picture|*.jpg",
                                     "Windows Bitmap|*.bmp"};
    const state::ExportFormat format = ed.state().exportFormat;
    const auto path =
        desktop.saveFileName(filters[static_cast<int>(format)], state::nameOf(format));
    if (!path) return;
    if (pressed)
        ed.setExportPressedPath(path->toStdString());
    else
        ed.setExportPath(path->toStdString());
}

void FileCommands::exportPictures() {
    if (ed.exportPath().empty()) choosePicturePath(false);
    if (ed.state().exportPressed && ed.exportPressedPath().empty()) choosePicturePath(true);
    if (!ed.exportNamesComplete()) {
        desktop.inform("Missing File Name(s)", kMissingNames);
        return;
    }
    if (auto error = ed.exportPictures()) {
        desktop.error(fromStd(error->message));
        return;
    }
    // The fixed message, and beneath it where the pictures went.
    const bool both = ed.state().exportPressed;
    QString written = fromStd(ed.exportPath());
    if (both) written += "\r" + fromStd(ed.exportPressedPath());
    desktop.inform("Complete", QString(both ? "Files Saved !" : "File Saved !") + "\r\r" + written);
}

void FileCommands::createHtmlTag() {
    if (!ed.exportNamesComplete()) {
        desktop.inform("Missing File Name(s)", kMissingHtmlNames);
        return;
    }
    if (!ed.formatShownInBrowsers()) {
        desktop.inform(editor::kNoBmpInHtml, kNoBmp);
        return;
    }
    htmlPage.showFragment(fromStd(ed.htmlFragment()));
}

void FileCommands::copyHtml() {
    if (htmlPage.fragment().isEmpty()) {
        desktop.inform("Missing Tag", kMissingTag);
        return;
    }
    htmlPage.selectAll();
    desktop.copyText(htmlPage.fragment());
    htmlPage.clearSelection();
}

void FileCommands::saveHtml() {
    if (htmlPage.fragment().isEmpty()) {
        desktop.inform("Missing Tag", kMissingTag);
        return;
    }
    const auto path = desktop.saveFileName("html|*.html|htm|*.htm", "html");
    if (!path) return;
    if (auto error = ed.saveHtmlPage(path->toStdString(), htmlPage.fragment().toStdString())) {
        desktop.error(fromStd(error->message));
        return;
    }
    htmlPage.savedPage();
}

void FileCommands::openHtml() {
    const std::string& page = ed.session().htmlFileName;
    if (!page.empty()) desktop.openFile(fromStd(page), true);
}

}  // namespace bevelmint::app
