#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "app/desktop.h"
#include "app/dialog_commands.h"
#include "app/export_runner.h"
#include "app/file_commands.h"
#include "app/pages/about_page.h"
#include "app/pages/colors_page.h"
#include "app/pages/dark_page.h"
#include "app/pages/export_page.h"
#include "app/pages/html_page.h"
#include "app/pages/light_page.h"
#include "app/pages/shape_page.h"
#include "app/pages/text_page.h"
#include "app/pages/texture_page.h"
#include "app/pages/web_page.h"
#include "app/preview.h"
#include "app/settings_store.h"
#include "app/test_mode.h"
#include "app/toolbar.h"
#include "app/web_commands.h"
#include "app/widgets.h"
#include "app/window_actions.h"
#include "editor/editor.h"

namespace bevelmint::app {

// The main window: toolbar, the page control with the editor pages, and the
// normal and pressed previews (with the hover picture between them while the
// Web page is shown), all views of one editor. The pages report what
// the user did and the window calls the editor's operation; the editor renders
// once and reports what changed, and every view reads it again.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    MainWindow(Desktop& desktop, SettingsStore& settings, const QStringList& arguments,
               bool showSplash = true, QWidget* parent = nullptr);
    ~MainWindow() override;

    editor::Editor& editor() { return ed; }
    const state::ButtonState& design() const { return ed.state(); }
    const render::RenderPipeline& pipeline() const { return ed.pipeline(); }
    int renderCount() const { return ed.renderCount(); }
    int busyFrame() const { return busyFrame_; }
    bool inTestMode() const { return testMode->active(); }
    QMenu* popupMenu() const { return actions.popup; }
    ExportRunner& exportRunner() { return *runner; }

    void renderButton();
    void refreshReadouts();
    void updateMenuChecks();
    void setMenuColour(const QColor& c);
    void leaveTestMode();
    void enterTestMode();
    void advanceBusyIcon();
    void openPopupAt(const QPoint& globalPos);

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    static constexpr int kLightPage = 2;
    static constexpr int kWebPage = 7;
    static constexpr int kDarkPage = 8;
    static constexpr int kAboutPage = 9;

    void buildPages();
    void connectPages();
    void connectWebPage();
    void connectActions();
    void startUp(const QStringList& arguments);
    void changed(editor::Changes changes);
    void showPictures();
    // The scale the previews are drawn at: the screen's pixel ratio, rounded up.
    int previewScale() const;
    bool webPageShown() const;
    void followWeb();
    void followDark();
    void updateTitle();
    void pickMenuColour();
    void applyMenuColour(const QColor& c);
    void openHelp();
    // While an export is written the editor takes no edits: the pages and the
    // commands that would edit or write are disabled; the tabs, the menu, Help
    // and the progress dialog's Cancel go on working.
    void followExport(bool running);

    Desktop& desktop;
    SettingsStore& settings;
    editor::Editor ed;
    DialogCommands dialogs;
    int busyFrame_ = 1;

    Swatch* windowBackground;
    Preview* preview;
    WindowActions actions;
    Toolbar* toolbar;
    PageControl* pages;
    ShapePage* shapePage;
    ColorsPage* colorsPage;
    LightPage* lightPage;
    TextPage* textPage;
    TexturePage* texturePage;
    ExportPage* exportPage;
    HtmlPage* htmlPage;
    WebPage* webPage;
    DarkPage* darkPage;
    AboutPage* aboutPage;
    TestMode* testMode;
    ExportRunner* runner;
    std::unique_ptr<FileCommands> files;
    std::unique_ptr<WebCommands> web;
};

}  // namespace bevelmint::app
