#include "app/web_commands.h"

#include <QDir>

#include "app/file_commands.h"

namespace bevelmint::app {

namespace {

// The "Complete" message lists this many files of a large set, then a count.
constexpr int kListedFiles = 12;

}  // namespace

bool WebCommands::chooseFolder() {
    const QString start = QString::fromStdString(ed.webFolder());
    const auto folder = desktop.chooseFolder(start.isEmpty() ? QDir::currentPath() : start);
    if (!folder) return false;
    editor::WebSettings web = ed.web();
    web.folder = folder->toStdString();
    ed.setWebSettings(web);
    return true;
}

void WebCommands::exportForWeb() {
    if (ed.web().folder.empty() && !chooseFolder()) return;
    std::unique_ptr<editor::ExportJob> job;
    const auto refused = ed.prepareWebExport(job);
    runExport(
        desktop, runner, std::move(job), refused,
        [this](const std::vector<std::string>& written, const std::vector<std::string>& notices) {
            // The page first (written last): it is the file to open; then the pictures.
            lastPage = QString::fromStdString(written.back());
            QStringList names{lastPage};
            for (size_t i = 0; i + 1 < written.size() && i < kListedFiles; ++i)
                names << QString::fromStdString(written[i]);
            if (written.size() > kListedFiles + 1)
                names << QString("... and %1 more").arg(written.size() - kListedFiles - 1);
            // Pictures kept lossless though a palette was asked for, after the files.
            if (!notices.empty()) names << "";
            for (const std::string& notice : notices)
                names << QString::fromStdString(notice);
            page.pageWritten();
            desktop.inform("Complete",
                           QString("%1 Files Saved !\r\r").arg(written.size()) + names.join("\r"));
        });
}

void WebCommands::copyMarkup() {
    desktop.copyText(page.markup());
}

void WebCommands::saveMarkup() {
    // Beside the exported pictures, which the markup names without a folder,
    // under the name the export gives it.
    const QString suggested =
        ed.web().folder.empty() ? QString() : QString::fromStdString(ed.webPagePath());
    const auto path =
        desktop.saveFileName("Save the markup as", "html|*.html|htm|*.htm", "html", suggested);
    if (!path) return;
    editor::Outputs outputs;
    outputs.files = {{path->toStdString(), page.markup().toStdString()}};
    if (auto error = ed.write(outputs)) {
        desktop.error(QString::fromStdString(error->message));
        return;
    }
    lastPage = *path;
    page.pageWritten();
}

void WebCommands::openPage() {
    if (!lastPage.isEmpty()) openShown(desktop, lastPage, true);
}

}  // namespace bevelmint::app
