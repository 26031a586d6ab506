#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "app/design_commands.h"
#include "app/desktop.h"
#include "app/file_commands.h"
#include "app/pages/about_page.h"
#include "app/pages/colors_page.h"
#include "app/pages/export_page.h"
#include "app/pages/html_page.h"
#include "app/pages/light_page.h"
#include "app/pages/shape_page.h"
#include "app/pages/text_page.h"
#include "app/pages/texture_page.h"
#include "app/preview.h"
#include "app/settings_store.h"
#include "app/test_mode.h"
#include "app/toolbar.h"
#include "app/widgets.h"
#include "app/window_actions.h"
#include "render/render_pipeline.h"
#include "render/text_engine.h"

namespace bevelmint::app {

// The main window: toolbar, the page control with the editor pages, and the
// normal and pressed previews. It owns the design, the pictures and the
// texture; the pages report what the user did, the commands apply it, and the
// window brings every view in step and renders once.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    TForm1(Desktop& desktop, SettingsStore& settings, const QStringList& arguments,
           bool showSplash = true, QWidget* parent = nullptr);
    ~TForm1() override;

    state::ButtonState& design() { return design_; }
    const render::RenderPipeline& pipeline() const { return pipeline_; }
    int renderCount() const { return renders; }
    bool inTestMode() const { return testMode->active(); }
    QMenu* popupMenu() const { return actions.popup; }

    void paintbutton();
    void updateallnumbers();
    void updatemenu();
    void setmenucolor(const QColor& c);
    void resetfromshowmode();
    void enterTestMode();
    void Moveicon();
    void openPopupAt(const QPoint& globalPos);

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    static constexpr int kLightPage = 2;
    static constexpr int kAboutPage = 7;

    void buildPages();
    void connectPages();
    void connectActions();
    void formCreate(const QStringList& arguments);
    void applied(DesignCommands::Effect effect);
    void designNamed(const QString& path);
    void updateTitle();
    void formatChosen(state::ExportFormat f);
    void pickMenuColour();
    void applyMenuColour(const QColor& c);
    void openHelp();

    Desktop& desktop;
    SettingsStore& settings;
    state::ButtonState design_ = state::defaultState();
    render::TextEngine textEngine;
    render::RenderPipeline pipeline_;
    render::TextureImages texture;
    DesignCommands commands;
    int renders = 0;
    // The open design's file, empty until one is saved or loaded.
    QString designPath;
    bool unsaved = false;

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
    AboutPage* aboutPage;
    TestMode* testMode;
    std::unique_ptr<FileCommands> files;
};

}  // namespace bevelmint::app
