#pragma once

#include <QObject>

#include "app/design_commands.h"
#include "app/desktop.h"
#include "app/pages/export_page.h"
#include "app/pages/html_page.h"
#include "render/render_pipeline.h"

namespace bevelmint::app {

// Saving and loading designs, exporting the pictures and the HTML page: the
// dialogs, the messages and the core's file calls.
class FileCommands : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        state::ButtonState& design;
        render::TextureImages& texture;
        const render::RenderPipeline& pipeline;
        Desktop& desktop;
        DesignCommands& commands;
        ExportPage& exportPage;
        HtmlPage& htmlPage;
    };
    explicit FileCommands(const Parts& parts) : p(parts) {}

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

  signals:
    // A design was loaded (the caller brings the views in step and renders) or saved.
    void loaded(const QString& path);
    void saved(const QString& path);
    // The export cut the pictures; a render brings them back.
    void renderRequested();

  private:
    bool namesMissing() const;

    Parts p;
};

}  // namespace bevelmint::app
