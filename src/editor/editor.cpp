#include "editor/editor.h"

#include <filesystem>
#include <tuple>
#include <vector>

#include "export/html_snippet.h"
#include "export/picture_export.h"
#include "export/picture_set.h"
#include "image/bmp_reader.h"
#include "render/button_pictures.h"
#include "state/field_setter.h"

namespace bevelmint::editor {

namespace {

using state::ButtonState;

// The values that belong to the editing session rather than to the design: undo
// leaves them as they are and no comparison of designs looks at them.
void copySession(const ButtonState& from, ButtonState& to) {
    to.prevWidth = from.prevWidth;
    to.prevHeight = from.prevHeight;
    to.liveUpdate = from.liveUpdate;
    to.fastEdit = from.fastEdit;
    to.testActOnHover = from.testActOnHover;
    to.testHovering = from.testHovering;
    to.busyFrame = from.busyFrame;
    to.lastFile = from.lastFile;
    to.appPath = from.appPath;
    to.menuColour = from.menuColour;
    to.htmlFileName = from.htmlFileName;
}

ButtonState designPart(const ButtonState& s) {
    ButtonState d = s;
    copySession(ButtonState{}, d);
    return d;
}

bool sameDesign(const Snapshot& a, const Snapshot& b) {
    return a.texture == b.texture && a.exportPath == b.exportPath &&
           a.exportPressedPath == b.exportPressedPath &&
           designPart(a.design) == designPart(b.design);
}

// Whether the two render alike: only the export settings and the texture
// preview's stretching are left out, as the pictures do not depend on them.
bool samePictures(const Snapshot& a, const Snapshot& b) {
    auto renderPart = [](const Snapshot& s) {
        ButtonState d = designPart(s.design);
        d.fastEdit = s.design.fastEdit;
        const ButtonState blank;
        d.exportFormat = blank.exportFormat;
        d.exportPressed = blank.exportPressed;
        d.jpegCompression = blank.jpegCompression;
        d.jpegProgressive = blank.jpegProgressive;
        d.exportFileName = blank.exportFileName;
        d.exportPressedFileName = blank.exportPressedFileName;
        d.stretchPreview = blank.stretchPreview;
        return d;
    };
    const bool sameTexture = a.texture == b.texture || !a.design.textureActive;
    return sameTexture && renderPart(a) == renderPart(b);
}

Changes differences(const Snapshot& a, const Snapshot& b) {
    const ButtonState& x = a.design;
    const ButtonState& y = b.design;
    Changes c;
    auto shape = [](const ButtonState& s) {
        return std::tie(s.shapeKind, s.buttonWidth, s.buttonHeight, s.buttonDepth, s.depthLimit,
                        s.roundness, s.smoothEdges, s.widthMax, s.heightMax);
    };
    auto colours = [](const ButtonState& s) {
        return std::tie(s.buttonRed, s.buttonGreen, s.buttonBlue, s.textRed, s.textGreen,
                        s.textBlue, s.backRed, s.backGreen, s.backBlue);
    };
    auto light = [](const ButtonState& s) {
        return std::tie(s.lightPosition, s.lightX, s.lightY, s.lightRadius, s.lightIntensity,
                        s.borderFade, s.lightenFront);
    };
    auto text = [](const ButtonState& s) {
        return std::tie(s.useText, s.buttonText, s.textFont, s.textOffsetX, s.textOffsetY,
                        s.text3D);
    };
    auto texture = [](const ButtonState& s) {
        return std::tie(s.useTexture, s.textureFileName, s.textureActive, s.textureBrightness,
                        s.stretchPreview);
    };
    auto exports = [](const ButtonState& s) {
        return std::tie(s.exportFormat, s.exportPressed, s.jpegCompression, s.jpegProgressive,
                        s.exportFileName, s.exportPressedFileName);
    };
    if (shape(x) != shape(y)) c |= Aspect::shape;
    if (colours(x) != colours(y)) c |= Aspect::colours;
    if (light(x) != light(y)) c |= Aspect::light;
    if (text(x) != text(y)) c |= Aspect::text;
    if (texture(x) != texture(y) || a.texture != b.texture) c |= Aspect::texture;
    if (exports(x) != exports(y) || a.exportPath != b.exportPath ||
        a.exportPressedPath != b.exportPressedPath)
        c |= Aspect::exports;
    if (x.fastEdit != y.fastEdit) c |= Aspect::editMode;
    // A field no group names yet still counts as a change of the design.
    if (!(c & kDesignAspects).any() && !sameDesign(a, b)) c |= kDesignAspects;
    return c;
}

const std::shared_ptr<const render::TextureImages>& noTexture() {
    static const auto none = std::make_shared<const render::TextureImages>();
    return none;
}

const char* const kButtonChannels[3] = {"buttonRed", "buttonGreen", "buttonBlue"};
const char* const kTextChannels[3] = {"textRed", "textGreen", "textBlue"};

const char* flag(bool on) {
    return on ? "true" : "false";
}

}  // namespace

Editor::Editor() : texture_(noTexture()) {
    pipeline_.useTextEngine(text_);
    saved_ = capture();
}

// ---------------------------------------------------------------- reports and rendering

int Editor::subscribe(Listener listener) {
    listeners_[nextListener_] = std::move(listener);
    return nextListener_++;
}

void Editor::unsubscribe(int id) {
    listeners_.erase(id);
}

void Editor::notify(Changes changes) {
    if (!changes.any()) return;
    // A listener may unsubscribe while it is told.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        listener(changes);
}

void Editor::paint() {
    pipeline_.paintbutton(s_, render::activeTexture(s_, *texture_));
    ++renders_;
    picturesStale_ = false;
}

void Editor::render() {
    paint();
    notify(Aspect::pictures);
}

void Editor::setRenderProgress(std::function<void()> progress) {
    pipeline_.progress = std::move(progress);
}

void Editor::setTextureProgress(std::function<void(int)> progress) {
    textureProgress_ = std::move(progress);
}

void Editor::setFontWarning(std::function<void(const std::string&)> warn) {
    text_.warn = std::move(warn);
}

// ---------------------------------------------------------------- the operation frame

Snapshot Editor::capture() const {
    return {s_, texture_, exportPath_, exportPressedPath_};
}

bool Editor::modified() const {
    return !sameDesign(capture(), saved_);
}

template <class Op>
void Editor::apply(Op&& op) {
    const Snapshot before = capture();
    const bool wasModified = modified();
    op();
    finish(before, wasModified);
}

void Editor::finish(const Snapshot& before, bool wasModified, Changes extra) {
    const Snapshot after = capture();
    Changes c = differences(before, after) | extra;
    if ((c & kDesignAspects).any() && !extra.has(Aspect::history)) {
        history_.record(before);
        c |= Aspect::history;
    }
    if (!samePictures(before, after)) picturesStale_ = true;
    if (modified() != wasModified) c |= Aspect::document;
    if (renderOnChange_ && picturesStale_ && c.any()) {
        paint();
        c |= Aspect::pictures;
    }
    notify(c);
}

std::optional<std::string> Editor::setField(const std::string& name, const std::string& value) {
    std::optional<std::string> error;
    apply([&] {
        error = state::setField(s_, name, value);
        // Every brightness setting, even to the same value, recomputes the
        // texture and takes the button colour from it again.
        if (!error && name == "textureBrightness") rebrighten();
    });
    return error;
}

bool Editor::setByName(const char* name, int value) {
    return !setField(name, std::to_string(value));
}

void Editor::rebrighten() {
    if (!s_.textureActive) return;
    auto next = std::make_shared<render::TextureImages>(*texture_);
    render::setTextureBrightness(s_, *next, s_.textureBrightness, textureProgress_);
    texture_ = std::move(next);
}

// ---------------------------------------------------------------- shape

void Editor::setShape(state::ShapeKind kind) {
    setField("shapeKind", state::shapeKindName(kind));
}
bool Editor::setWidth(int width) {
    return setByName("buttonWidth", width);
}
bool Editor::setHeight(int height) {
    return setByName("buttonHeight", height);
}
bool Editor::setDepth(int depth) {
    return setByName("buttonDepth", depth);
}
bool Editor::setRoundness(int roundness) {
    return setByName("roundness", roundness);
}
void Editor::setSmoothEdges(bool on) {
    setField("smoothEdges", flag(on));
}

// ---------------------------------------------------------------- colours

void Editor::setButtonColour(image::Rgb colour) {
    apply([&] { state::setButtonColour(s_, colour.r, colour.g, colour.b); });
}
bool Editor::setButtonChannel(state::Channel channel, int value) {
    return setByName(kButtonChannels[static_cast<int>(channel)], value);
}
void Editor::setTextColour(image::Rgb colour) {
    apply([&] { s_.textRed = colour.r, s_.textGreen = colour.g, s_.textBlue = colour.b; });
}
bool Editor::setTextChannel(state::Channel channel, int value) {
    return setByName(kTextChannels[static_cast<int>(channel)], value);
}
void Editor::setBackgroundColour(image::Rgb colour) {
    apply([&] { s_.backRed = colour.r, s_.backGreen = colour.g, s_.backBlue = colour.b; });
}

// ---------------------------------------------------------------- light

bool Editor::setLightPosition(int position) {
    return setByName("lightPosition", position);
}

void Editor::rotateLight() {
    static const int clockwise[8] = {1, 2, 3, 5, 8, 7, 6, 4};
    int at = 0;
    while (at < 7 && clockwise[at] != s_.lightPosition)
        ++at;
    setLightPosition(clockwise[(at + 1) % 8]);
}

bool Editor::setLightRadius(int radius) {
    return setByName("lightRadius", radius);
}
bool Editor::setLightIntensity(int intensity) {
    return setByName("lightIntensity", intensity);
}
bool Editor::setBorderFade(int fade) {
    return setByName("borderFade", fade);
}
void Editor::setLightenFront(bool on) {
    setField("lightenFront", flag(on));
}

// ---------------------------------------------------------------- inscription

void Editor::setUseText(bool on) {
    setField("useText", flag(on));
}
void Editor::setText(const std::string& text) {
    setField("buttonText", text);
}
void Editor::setFont(const state::FontDesc& font) {
    apply([&] { state::setFont(s_, font); });
}
bool Editor::setFontSize(int size) {
    return setByName("textFont.size", size);
}
bool Editor::setTextOffsetX(int offset) {
    return setByName("textOffsetX", offset);
}
bool Editor::setTextOffsetY(int offset) {
    return setByName("textOffsetY", offset);
}
void Editor::setText3D(bool on) {
    setField("text3D", flag(on));
}

// ---------------------------------------------------------------- texture

std::optional<base::FileError> Editor::loadTexture(const std::string& path) {
    image::Picture loaded;
    std::string bytes;
    if (auto error = image::readBmp(path, loaded, &bytes)) return error;
    // The full path, as a file dialog gives it: the texture's name is what
    // follows its last "/", whatever backslashes the name holds.
    const std::string full = std::filesystem::absolute(path).lexically_normal().string();
    apply([&] {
        auto next = std::make_shared<render::TextureImages>();
        render::openbgimage(s_, *next, loaded, full, std::move(bytes));
        texture_ = std::move(next);
    });
    return std::nullopt;
}

void Editor::removeTexture() {
    apply([&] {
        render::TextureImages dropped;
        render::deletebgimage(s_, dropped);
        texture_ = noTexture();
    });
}

bool Editor::setTextureBrightness(int brightness) {
    return setByName("textureBrightness", brightness);
}
void Editor::setStretchPreview(bool on) {
    setField("stretchPreview", flag(on));
}

// ---------------------------------------------------------------- export settings

void Editor::chooseExportFormat(state::ExportFormat format) {
    apply([&] {
        s_.exportFormat = format;
        s_.exportPressed = false;
        exportPath_.clear();
        exportPressedPath_.clear();
        s_.exportFileName.clear();
        s_.exportPressedFileName.clear();
    });
}

void Editor::setExportPressed(bool on) {
    setField("exportPressed", flag(on));
}
bool Editor::setJpegCompression(int compression) {
    return setByName("jpegCompression", compression);
}
void Editor::setJpegProgressive(bool on) {
    setField("jpegProgressive", flag(on));
}

void Editor::setExportPath(const std::string& path) {
    apply([&] {
        exportPath_ = path;
        s_.exportFileName = base::fileNameOf(path);
    });
}

void Editor::setExportPressedPath(const std::string& path) {
    apply([&] {
        exportPressedPath_ = path;
        s_.exportPressedFileName = base::fileNameOf(path);
    });
}

void Editor::setFastEdit(bool on) {
    apply([&] { s_.fastEdit = on; });
}

// ---------------------------------------------------------------- session values

void Editor::setLastFile(const std::string& path) {
    if (path == s_.lastFile) return;
    s_.lastFile = path;
    notify(Aspect::document);
}
void Editor::setAppPath(const std::string& path) {
    s_.appPath = path;
}
void Editor::setMenuColour(uint32_t colour) {
    s_.menuColour = colour;
}
void Editor::setTestActOnHover(bool onHover) {
    s_.testActOnHover = onHover;
}

// ---------------------------------------------------------------- files

files::LoadResult Editor::loadDesign(const std::string& path) {
    state::ButtonState loaded = s_;
    render::TextureImages images;
    files::LoadResult result = files::openbutton(path, loaded, images);
    if (result.error) return result;
    const Snapshot before = capture();
    const bool wasModified = modified();
    s_ = std::move(loaded);
    texture_ = s_.textureActive ? std::make_shared<const render::TextureImages>(std::move(images))
                                : noTexture();
    documentPath_ = path;
    saved_ = capture();
    finish(before, wasModified, Aspect::document);
    return result;
}

std::optional<WriteError> Editor::saveDesign(const std::string& path) {
    // The last file names the new one even when the save fails.
    setLastFile(path);
    Outputs outputs;
    outputs.design = path;
    auto error = write(outputs);
    if (!error) {
        const bool wasModified = modified();
        documentPath_ = path;
        saved_ = capture();
        notify(wasModified ? Changes(Aspect::document) : Changes());
    }
    return error;
}

bool Editor::exportNamesComplete() const {
    return !exportPath_.empty() && (!s_.exportPressed || !exportPressedPath_.empty());
}

bool Editor::formatShownInBrowsers() const {
    return exporter::shownInBrowsers(exporter::pictureFormat(s_.exportFormat));
}

exporter::PictureSetRequest pictureRequest(const Outputs& out) {
    exporter::PictureSetRequest request;
    request.normal = out.normalPicture;
    request.hover = out.hoverPicture;
    request.pressed = out.pressedPicture;
    request.sprite = out.spritePicture;
    request.format = out.format;
    request.scales = out.scales;
    request.scaleNames = out.scaleNames;
    return request;
}

std::optional<std::string> Editor::checkPictures(const Outputs& outputs) const {
    return exporter::checkRequest(pictureRequest(outputs), s_);
}

std::optional<WriteError> Editor::exportPictures() {
    if (!exportNamesComplete()) return WriteError{{}, "No file name chosen for the picture"};
    if (s_.fastEdit) setFastEdit(false);
    Outputs outputs;
    outputs.normalPicture = exportPath_;
    if (s_.exportPressed) outputs.pressedPicture = exportPressedPath_;
    outputs.format = exporter::pictureFormat(s_.exportFormat);
    auto error = write(outputs);
    render();
    return error;
}

std::string Editor::htmlFragment() const {
    return exporter::htmlFragment(base::fileNameOf(exportPath_),
                                  base::fileNameOf(exportPressedPath_), s_.buttonText,
                                  s_.exportPressed && !exportPressedPath_.empty());
}

std::optional<WriteError> Editor::saveHtmlPage(const std::string& path,
                                               const std::string& fragment) {
    s_.htmlFileName = path;
    Outputs outputs;
    outputs.htmlPage = path;
    outputs.htmlFragment = fragment;
    return write(outputs);
}

std::optional<WriteError> Editor::write(const Outputs& outputs) {
    base::FileBatch batch;
    if (auto e = stage(outputs, batch)) return e;
    if (auto error = batch.commit()) {
        // Pictures and the texture are named in their message ("Cannot create file
        // <path>"); the design file and the page say what went wrong.
        const std::string& path = batch.failedPath();
        const bool said = path == outputs.design || path == outputs.htmlPage;
        return WriteError{path, said ? base::ioErrorText(*error) : base::cannotCreateMessage(path)};
    }
    return std::nullopt;
}

std::optional<WriteError> Editor::check(const Outputs& outputs,
                                        std::vector<std::string>& differing) {
    base::FileBatch batch(base::FileBatch::Mode::compare);
    if (auto e = stage(outputs, batch)) return e;
    differing = batch.differing();
    return std::nullopt;
}

std::optional<WriteError> Editor::stage(const Outputs& out, base::FileBatch& batch) {
    const exporter::PictureSetRequest request = pictureRequest(out);
    if (auto why = exporter::checkRequest(request, s_)) return WriteError{{}, *why};
    auto put = [&](const std::string& path, const std::string& bytes,
                   bool namedInMessage) -> std::optional<WriteError> {
        if (auto error = batch.stage(path, bytes)) {
            return WriteError{
                path, namedInMessage ? base::cannotCreateMessage(path) : base::ioErrorText(*error)};
        }
        return std::nullopt;
    };
    // The pictures at scale 1 without hover are the editor's own render.
    auto source = [&](int scale, bool withHover) {
        if (scale != 1 || withHover) {
            return render::renderButtonPictures(s_, render::activeTexture(s_, *texture_), scale,
                                                text_, withHover);
        }
        if (picturesStale_) render();
        const state::ButtonState design = state::clampedForRender(s_);
        return render::ButtonPictures{normal().cut(design.buttonWidth, design.buttonHeight),
                                      {},
                                      pressed().cut(design.buttonWidth, design.buttonHeight)};
    };
    const std::vector<exporter::PictureFile> encoded =
        exporter::encodePictureSet(request, s_, source);
    std::vector<files::OutputFile> designFiles;
    if (!out.design.empty()) {
        if (auto error = files::designFiles(out.design, s_, *texture_, designFiles))
            return WriteError{out.design, error->message};
    }
    // Two outputs in one file would leave only the last: refuse before writing any.
    std::vector<std::string> targets;
    for (const auto* list : {&encoded, &out.files})
        for (const exporter::PictureFile& f : *list)
            targets.push_back(f.path);
    if (!out.htmlPage.empty()) targets.push_back(out.htmlPage);
    for (const files::OutputFile& f : designFiles)
        targets.push_back(f.path);
    if (auto error = base::refuseSameFileTwice(targets)) return WriteError{{}, error->message};
    for (const auto* list : {&encoded, &out.files}) {
        for (const exporter::PictureFile& f : *list) {
            if (f.bytes.empty()) return WriteError{f.path, base::cannotCreateMessage(f.path)};
            if (auto e = put(f.path, f.bytes, true)) return e;
        }
    }
    if (!out.htmlPage.empty()) {
        if (auto e = put(out.htmlPage, exporter::htmlPage(out.htmlFragment), false)) return e;
    }
    if (!out.design.empty()) {
        if (auto error = files::stageDesignFiles(batch, designFiles))
            return WriteError{batch.failedPath(), error->message};
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- undo and redo

void Editor::restore(const Snapshot& snapshot) {
    state::ButtonState next = snapshot.design;
    copySession(s_, next);
    // The pictures may hold a larger button than the one brought back: the next
    // render erases the largest area, as after a load.
    next.prevWidth = state::kMaxWidth;
    next.prevHeight = state::kMaxHeight;
    s_ = std::move(next);
    texture_ = snapshot.texture;
    exportPath_ = snapshot.exportPath;
    exportPressedPath_ = snapshot.exportPressedPath;
}

bool Editor::travel(bool back) {
    const Snapshot before = capture();
    const bool wasModified = modified();
    auto target = back ? history_.undo(before) : history_.redo(before);
    if (!target) return false;
    restore(*target);
    finish(before, wasModified, Aspect::history);
    return true;
}

}  // namespace bevelmint::editor
