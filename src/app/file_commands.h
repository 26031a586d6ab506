#pragma once

#include "app/desktop.h"
#include "app/pages/html_page.h"
#include "editor/editor.h"

namespace bevelmint::app {

// Saving and loading designs, exporting the pictures and the HTML page: the
// dialogs and messages around the editor's file operations.
class FileCommands {
  public:
    FileCommands(editor::Editor& editor, Desktop& desktop, HtmlPage& htmlPage)
        : ed(editor), desktop(desktop), htmlPage(htmlPage) {}

    // Whether the design was written.
    bool save();
    void load();
    void loadLast();
    // Loads a design file; reports its error and returns false when it cannot.
    bool open(const QString& path);
    void choosePicturePath(bool pressed);
    void exportPictures();
    void createHtmlTag();
    void copyHtml();
    void saveHtml();
    void openHtml();

  private:
    editor::Editor& ed;
    Desktop& desktop;
    HtmlPage& htmlPage;
};

}  // namespace bevelmint::app
