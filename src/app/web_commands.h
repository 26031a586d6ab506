#pragma once

#include "app/desktop.h"
#include "app/export_runner.h"
#include "app/pages/web_page.h"
#include "editor/editor.h"

namespace bevelmint::app {

// The Web page's commands: the folder dialog, "Export for Web" and what is done
// with the markup (copied, saved, opened in the browser).
class WebCommands {
  public:
    WebCommands(editor::Editor& editor, Desktop& desktop, WebPage& page, ExportRunner& runner)
        : ed(editor), desktop(desktop), page(page), runner(runner) {}

    // Whether a folder was chosen.
    bool chooseFolder();
    void exportForWeb();
    void copyMarkup();
    void saveMarkup();
    void openPage();

  private:
    editor::Editor& ed;
    Desktop& desktop;
    WebPage& page;
    ExportRunner& runner;
    QString lastPage;  // the page saved or exported last
};

}  // namespace bevelmint::app
