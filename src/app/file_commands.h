#pragma once

#include "app/desktop.h"
#include "app/export_runner.h"
#include "app/pages/html_page.h"
#include "editor/editor.h"

namespace bevelmint::app {

// Saving and loading designs, exporting the pictures and the HTML page: the
// dialogs and messages around the editor's file operations.
class FileCommands {
  public:
    FileCommands(editor::Editor& editor, Desktop& desktop, HtmlPage& htmlPage, ExportRunner& runner)
        : ed(editor), desktop(desktop), htmlPage(htmlPage), runner(runner) {}

    // Writes the open design file; a design never saved asks for a name first.
    // Whether the design was written.
    bool save();
    // Always asks for the name.
    bool saveAs();
    // Unsaved changes are saved or dropped as the user answers; false: stay.
    bool mayDropChanges(const QString& occasion);
    void load();
    void loadLast();
    // Loads a design file; reports its error and returns false when it cannot.
    bool open(const QString& path);
    // Whether a path was chosen.
    bool choosePicturePath(bool pressed);
    void exportPictures();
    void createHtmlTag();
    void copyHtml();
    void saveHtml();
    void openHtml();

  private:
    editor::Editor& ed;
    Desktop& desktop;
    HtmlPage& htmlPage;
    ExportRunner& runner;
};

// Opens a file in its default program; says so when that cannot be done.
void openShown(Desktop& desktop, const QString& path, bool maximised);

// Starts an export prepared by the editor, or shows why it could not be. `written`
// runs once every file is in place; a cancelled export says nothing.
void runExport(Desktop& desktop, ExportRunner& runner, std::unique_ptr<editor::ExportJob> job,
               const std::optional<base::FileError>& refused,
               std::function<void(const std::vector<std::string>& files,
                                  const std::vector<std::string>& notices)>
                   written);

}  // namespace bevelmint::app
