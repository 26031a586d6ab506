#pragma once

// The editor: the one design being edited, every user operation on it, and the
// rules that span several fields. The window and bevelmint-render both drive it.
//
// Using it from a view:
//   editor::Editor ed;
//   ed.setRenderOnChange(true);                 // the window: render after each operation
//   int id = ed.subscribe([&](editor::Changes c) {
//       if (c.has(editor::Aspect::shape)) { /* move the size bars to ed.state() */ }
//       if (c.has(editor::Aspect::pictures)) { /* show ed.normal(), ed.pressed() */ }
//   });
//   ed.setWidth(120);                           // one undo step, one render, one report
//   ed.beginGesture(); ...setWidth while dragging...; ed.endGesture();  // one step
//   ed.undo(); ed.redo();
//   if (auto e = ed.saveDesign(path)) show(e->message);   // design and texture, or nothing
// Every operation applies its coupling rules, records an undo step when the design
// changed, renders once when render-on-change is set, and then reports what changed
// to every listener. A listener reads the editor and updates its widgets with their
// signals blocked; it must not start another operation from inside the report.
// Setters taking a value outside its range change nothing and return false;
// the ranges are state/'s (widthRange, kLightRadiusRange, ...). Texture and design
// loads, saves and exports return the message to show; loadDesign's notices are
// shown as information, the load having gone on.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/changes.h"
#include "editor/export_job.h"
#include "editor/history.h"
#include "editor/web_export.h"
#include "export/contrast_report.h"
#include "export/picture_export.h"
#include "export/set_renderer.h"
#include "files/design_file.h"
#include "image/color.h"
#include "render/button_pictures.h"
#include "render/render_pipeline.h"
#include "render/text_engine.h"
#include "render/texture.h"
#include "state/button_state.h"
#include "state/field_setter.h"
#include "state/session.h"
#include "state/state_rules.h"

namespace bevelmint::editor {

struct ExportRequest;
struct ExportRun;

class Editor {
  public:
    Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // ------------------------------------------------------------ reading
    const state::ButtonState& state() const { return s_; }
    // What the session holds beside the design (fast edit mode, the last file...).
    const state::Session& session() const { return session_; }
    // The texture pictures: the working one (brightness applied) and the original.
    // Both are empty while no texture was loaded.
    const render::TextureImages& texture() const { return *texture_; }
    const std::string& exportPath() const { return exportPath_; }
    const std::string& exportPressedPath() const { return exportPressedPath_; }

    // ------------------------------------------------------------ change reports
    using Listener = std::function<void(Changes)>;
    int subscribe(Listener listener);
    void unsubscribe(int id);

    // ------------------------------------------------------------ rendering
    // When set, every operation that changed something renders once before it reports.
    void setRenderOnChange(bool on) { renderOnChange_ = on; }
    // Renders now and reports Aspect::pictures.
    void render();
    // The pictures of the last render; the button fills their top-left
    // buttonWidth x buttonHeight pixels.
    const image::Picture& normal() const { return pipeline_.normal(); }
    const image::Picture& pressed() const { return pipeline_.pressed(); }
    const render::RenderPipeline& pipeline() const { return pipeline_; }
    int renderCount() const { return renders_; }
    // Called while lighting, every 30 columns (the busy icon).
    void setRenderProgress(std::function<void()> progress);
    // Called with 0..100 while a brightness change recomputes the texture.
    void setTextureProgress(std::function<void(int)> progress);
    // Called once when no font at all can be found for the inscription.
    void setFontWarning(std::function<void(const std::string&)> warn);

    // ------------------------------------------------------------ design operations
    // Sets a field by its name from text (bevelmint-render's --set); a message
    // naming the field and its range when refused, and nothing changes then.
    std::optional<std::string> setField(const std::string& name, const std::string& value);

    void setShape(state::ShapeKind kind);
    bool setWidth(int width);  // the depth and the text offsets follow
    bool setHeight(int height);
    bool setDepth(int depth);
    bool setRoundness(int roundness);
    void setSmoothEdges(bool on);
    // Smoothing is offered for round shapes only (the menu entry does nothing for "rect").
    bool smoothEdgesOffered() const { return s_.shapeKind != state::ShapeKind::rect; }

    // Button colour changes carry over to the text while the engraved look is on.
    void setButtonColour(image::Rgb colour);
    bool setButtonChannel(state::Channel channel, int value);
    void setTextColour(image::Rgb colour);
    bool setTextChannel(state::Channel channel, int value);
    void setBackgroundColour(image::Rgb colour);

    bool setLightPosition(int position);
    // The next light position clockwise round the button (the menu's "Change Light Position").
    void rotateLight();
    bool setLightRadius(int radius);
    bool setLightIntensity(int intensity);
    bool setBorderFade(int fade);
    void setLightenFront(bool on);

    void setUseText(bool on);
    void setText(const std::string& text);
    // Replaces the font as a whole; a size beyond the size bar stays in the font.
    void setFont(const state::FontDesc& font);
    bool setFontSize(int size);
    bool setTextOffsetX(int offset);
    bool setTextOffsetY(int offset);
    // On: the text takes the button colour; off: the text turns black.
    void setText3D(bool on);

    // Reads a Windows bitmap and lays it on the face: the button shrinks to fit it
    // and takes the colour of its top-left pixel. A file that cannot be read
    // changes nothing and gives the reader's message.
    std::optional<base::FileError> loadTexture(const std::string& path);
    void removeTexture();
    // Brightens the texture and takes the button colour from its top-left pixel again.
    bool setTextureBrightness(int brightness);
    void setStretchPreview(bool on);

    // The user's choice of format: the pictures must be chosen again for it, so
    // both export paths and the pressed picture are cleared.
    void chooseExportFormat(state::ExportFormat format);
    void setExportPressed(bool on);
    bool setJpegCompression(int compression);
    void setJpegProgressive(bool on);
    // The full paths the export writes; the design keeps their file names.
    void setExportPath(const std::string& path);
    void setExportPressedPath(const std::string& path);

    // Fast edit mode (a view mode, not an undo step).
    void setFastEdit(bool on);

    // ------------------------------------------------------------ the web export
    const WebSettings& web() const { return s_.web; }
    // One undo step; refused (false, nothing changes) without a scale, with a
    // scale outside 1..3, with scales out of order, or with a base name that is
    // no plain file name.
    bool setWebSettings(const WebSettings& web);
    bool setHoverLift(int lift);
    // The hover picture of the design as it is now (the button in its top-left
    // corner), drawn when first asked for after each render.
    const image::Picture& hover();
    // The pictures the window's previews show, cut to the button: at a scale
    // (the screen's pixel ratio), with the hover picture when asked for, and
    // with the label of one line of the web labels instead of the inscription.
    // Drawn when first asked for after a change; at scale 1 without a label
    // they are the last render's.
    struct PreviewRequest {
        int scale = 1;
        bool withHover = false;
        int labelLine = -1;  // -1: the design's own inscription
        bool operator==(const PreviewRequest&) const = default;
    };
    const render::ButtonPictures& preview(const PreviewRequest& request);
    // The contrast, size and name report of the last render's normal picture.
    const exporter::ButtonReport& contrastReport();
    // The markup the web settings make, as the web export writes it.
    std::string webMarkupText();
    // The normal picture of the dark variant, rendered afresh (the design's
    // dark colours, whether or not the scheme is on).
    image::Picture darkPreview();
    // The folder the web files go to: a relative one lies in the design file's
    // folder (in the current folder while the design was never saved).
    std::string webFolder() const;
    // The page the web export writes there: BASE.html, BASE-snippet.html or
    // BASE-email.html.
    std::string webPagePath() const;
    // Leaves fast edit mode and writes the pictures, sprite sheets and the page
    // the web settings name, for the design or each label, all or nothing;
    // `written` lists the files in writing order.
    std::optional<base::FileError> exportForWeb(std::vector<std::string>& written);
    // The same as a job to run on a thread of its own (export_job.h).
    std::optional<base::FileError> prepareWebExport(std::unique_ptr<ExportJob>& job);
    // Why files of the last web export are lossless though a palette was asked
    // for, one line a file ("PATH: kept lossless: ...").
    const std::vector<std::string>& webExportNotices() const { return webNotices_; }

    // ------------------------------------------------------------ session values
    // Kept by the window between runs; none is an undo step.
    void setLastFile(const std::string& path);
    void setAppPath(const std::string& path);
    void setMenuColour(uint32_t colour);

    // ------------------------------------------------------------ files
    // Loads a design file (one undo step). A file that cannot be read or is not a
    // design changes nothing and comes back as the error; notices (a missing
    // texture) do not stop the load.
    files::LoadResult loadDesign(const std::string& path);
    // Writes the design and its texture beside it, both or neither; not an undo step.
    std::optional<base::FileError> saveDesign(const std::string& path);
    // Both export paths are chosen as the pressed-picture choice needs them.
    bool exportNamesComplete() const;
    // Browsers show GIF and JPEG, not BMP: the HTML page needs one of those.
    bool formatShownInBrowsers() const;
    // Why the pictures asked for cannot be written (a scale out of range, the
    // normal, hover and pressed pictures in different formats), if they cannot.
    std::optional<std::string> checkPictures(const Outputs& outputs) const;
    // Leaves fast edit mode and writes the normal picture (and the pressed one
    // when asked for) to the export paths, all or none.
    std::optional<base::FileError> exportPictures();
    std::optional<base::FileError> preparePictureExport(std::unique_ptr<ExportJob>& job);
    // The rollover fragment for the exported pictures.
    std::string htmlFragment() const;
    // Writes the HTML page around a fragment (the text as the user left it).
    std::optional<base::FileError> saveHtmlPage(const std::string& path,
                                                const std::string& fragment);
    // The one way files are written: everything named is staged beside its target
    // and then renamed into place, so a failure leaves every old file as it was.
    // Renders first when the pictures are older than the design.
    std::optional<base::FileError> write(const Outputs& outputs);
    // An export job is alive: design edits, loads, undo, saves and other writes
    // are refused (they change nothing and report every aspect, so views show
    // the design again) until it is gone.
    bool exporting() const { return !running_.expired(); }
    // Writes nothing: fills `differing` with each file that write() would write
    // whose file on disk is missing or holds other bytes, in writing order.
    std::optional<base::FileError> check(const Outputs& outputs,
                                         std::vector<std::string>& differing);

    // Runs a request (export_request.h): checks it, renders every button it names
    // and writes (or with check compares) all its files or none. A refused
    // request comes back as an error without a path.
    std::optional<base::FileError> run(ExportRequest request, ExportRun& result);

    // ------------------------------------------------------------ document
    // The design file last saved or loaded, as an absolute path; empty before
    // either. Undoing a load brings back the document it replaced.
    const std::string& documentPath() const { return document_.path; }
    // The design differs from the one last saved or loaded (or from the start).
    bool modified() const;

    // ------------------------------------------------------------ undo and redo
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    bool undo() { return travel(true); }
    bool redo() { return travel(false); }
    // Changes between these two calls undo as one step (a bar being dragged).
    void beginGesture() { history_.beginGesture(); }
    void endGesture() { history_.endGesture(); }

  private:
    Snapshot capture() const;
    // The design as it is now becomes the saved state of the document at `path`.
    void markSaved(const std::string& path);
    // Runs an operation on the state, then records, renders and reports; false
    // when refused while an export runs.
    template <class Op>
    bool apply(Op&& op);
    // Runs a job here and now, passing its font warnings on.
    std::optional<base::FileError> runNow(ExportJob& job);
    void finish(const Snapshot& before, bool wasModified, Changes extra = {});
    void restore(const Snapshot& snapshot);
    bool travel(bool back);
    // Sets a number or flag field through the field table, without text.
    bool setByName(const char* name, int value);
    void follow(state::FieldEffect effect);
    void rebrighten();
    void paint();
    void notify(Changes changes);
    // The job that writes the outputs from the design as it is now.
    std::unique_ptr<ExportJob> makeJob(Outputs outputs);
    // Refuses while an export runs: the message, and a report so views follow.
    std::optional<base::FileError> refusedWhileExporting();

    state::ButtonState s_ = state::defaultState();
    state::Session session_;
    std::shared_ptr<const render::TextureImages> texture_;
    std::string exportPath_;
    std::string exportPressedPath_;
    Document document_;
    int openings_ = 0;

    render::TextEngine text_;
    render::RenderPipeline pipeline_;
    render::RenderPipeline hoverPipeline_;
    bool hoverStale_ = true;
    std::unique_ptr<render::RenderPipeline> previewPipeline_;
    render::ButtonPictures preview_;
    std::optional<std::pair<PreviewRequest, std::optional<std::string>>> previewShown_;
    std::optional<exporter::ButtonReport> report_;
    std::vector<std::string> webNotices_;
    std::function<void(int)> textureProgress_;
    bool renderOnChange_ = false;
    bool picturesStale_ = true;
    int renders_ = 0;

    std::weak_ptr<const int> running_;

    History history_;
    std::map<int, Listener> listeners_;
    int nextListener_ = 1;
};

}  // namespace bevelmint::editor
