#include "app/file_commands.h"

#include "editor/export_request.h"
#include "state/enum_names.h"

#include <QFileInfo>

#include "base/file_io.h"

namespace bevelmint::app {

namespace {

const char* kDesignFilter = "Bevelmint|*.bvm";
const char* kUntitled = "untitled.bvm";
const char* kLoadingAnother = "loading another design";
const char* kMissingHtmlNames =
    "Please enter a filename for the button-picture at Export-Section first.\r\rIf you checked "
    "\"Export Pressed Button Too\" then make sure\rto enter a second filename too!";
const char* kNoBmp =
    "You have to choose GIF Export or JPG Export at Export-Section\rbecause Browsers can't read "
    "BMP Bitmaps !";
const char* kMissingTag = "Please Create a HTML TAG first!";

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

bool FileCommands::save() {
    if (ed.documentPath().empty()) return saveAs();
    if (auto error = ed.saveDesign(ed.documentPath())) {
        desktop.error(fromStd(error->message));
        return false;
    }
    return true;
}

bool FileCommands::saveAs() {
    // The dialog starts at the design's own file, else in the folder of the
    // last design (a picture dialog may have moved the current folder).
    QString suggested = fromStd(ed.documentPath());
    if (suggested.isEmpty()) {
        const std::string last = base::folderOf(ed.session().lastFile);
        suggested = fromStd(last) + kUntitled;
    }
    const auto path = desktop.saveFileName("Save the design as", kDesignFilter, "bvm", suggested);
    if (!path) return false;
    if (auto error = ed.saveDesign(path->toStdString())) {
        desktop.error(fromStd(error->message));
        return false;
    }
    return true;
}

bool FileCommands::mayDropChanges(const QString& occasion) {
    if (!ed.modified()) return true;
    const QString path = fromStd(ed.documentPath());
    const QString name = path.isEmpty() ? kUntitled : QFileInfo(path).fileName();
    switch (desktop.askToSave(name, occasion)) {
        case Desktop::SaveAnswer::save:
            return save();
        case Desktop::SaveAnswer::discard:
            return true;
        case Desktop::SaveAnswer::cancel:
            break;
    }
    return false;
}

void FileCommands::load() {
    if (!mayDropChanges(kLoadingAnother)) return;
    if (const auto path = desktop.openFileName(kDesignFilter, "bvm")) open(*path);
}

void FileCommands::loadLast() {
    const std::string last = ed.session().lastFile;
    if (last.empty()) {
        desktop.inform(
            "No File saved",
            "Sorry, you can not load the last button when you didn't open or save a button ever!");
        return;
    }
    if (!QFileInfo(fromStd(last)).isFile()) {
        ed.setLastFile({});
        desktop.inform("File not found", "The last button file\r\r" + fromStd(last) +
                                             "\r\rwas moved or deleted; Load Last forgets it.");
        return;
    }
    if (mayDropChanges(kLoadingAnother)) open(fromStd(last));
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

bool FileCommands::choosePicturePath(bool pressed) {
    static const char* filters[3] = {"Graphics Interchange|*.gif", "JPEG Encoded Picture|*.jpg",
                                     "Windows Bitmap|*.bmp"};
    const state::ExportFormat format = ed.state().exportFormat;
    const auto path =
        desktop.saveFileName(pressed ? "Save the pressed button as" : "Save the button at rest as",
                             filters[static_cast<int>(format)], state::nameOf(format));
    if (!path) return false;
    if (pressed)
        ed.setExportPressedPath(path->toStdString());
    else
        ed.setExportPath(path->toStdString());
    return true;
}

void FileCommands::exportPictures() {
    // A cancelled dialog cancels the export, without a word.
    if (ed.exportPath().empty() && !choosePicturePath(false)) return;
    if (ed.state().exportPressed && ed.exportPressedPath().empty() && !choosePicturePath(true))
        return;
    std::unique_ptr<editor::ExportJob> job;
    const auto refused = ed.preparePictureExport(job);
    runExport(desktop, runner, std::move(job), refused,
              [this](const std::vector<std::string>&, const std::vector<std::string>&) {
                  // The fixed message, and beneath it where the pictures went.
                  const bool both = ed.state().exportPressed;
                  QString written = fromStd(ed.exportPath());
                  if (both) written += "\r" + fromStd(ed.exportPressedPath());
                  desktop.inform("Complete", QString(both ? "Files Saved !" : "File Saved !") +
                                                 "\r\r" + written);
              });
}

void runExport(Desktop& desktop, ExportRunner& runner, std::unique_ptr<editor::ExportJob> job,
               const std::optional<base::FileError>& refused,
               std::function<void(const std::vector<std::string>& files,
                                  const std::vector<std::string>& notices)>
                   written) {
    if (refused) {
        desktop.error(fromStd(refused->message));
        return;
    }
    runner.start(std::move(job), [&desktop, written](const ExportRunner::Outcome& outcome) {
        for (const std::string& warning : outcome.warnings)
            desktop.error(fromStd(warning));
        if (outcome.cancelled) return;
        if (outcome.error)
            desktop.error(fromStd(outcome.error->message));
        else
            written(outcome.written, outcome.notices);
    });
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
    const auto path =
        desktop.saveFileName("Save the HTML page as", "html|*.html|htm|*.htm", "html");
    if (!path) return;
    if (auto error = ed.saveHtmlPage(path->toStdString(), htmlPage.fragment().toStdString())) {
        desktop.error(fromStd(error->message));
        return;
    }
    htmlPage.savedPage();
}

void FileCommands::openHtml() {
    const std::string& page = ed.session().htmlFileName;
    if (!page.empty()) openShown(desktop, fromStd(page), true);
}

void openShown(Desktop& desktop, const QString& path, bool maximised) {
    if (!QFileInfo(path).isFile()) {
        desktop.error("Cannot open " + path + ": there is no such file");
        return;
    }
    if (!desktop.openFile(path, maximised))
        desktop.error("No program could open " + path + "; open it in a web browser yourself");
}

}  // namespace bevelmint::app
