#include "editor/editor.h"
#include "state/enum_names.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "editor/snapshot.h"
#include "image/bmp_reader.h"
#include "state/field_setter.h"

namespace bevelmint::editor {

namespace {

const char* const kButtonChannels[3] = {"buttonRed", "buttonGreen", "buttonBlue"};
const char* const kTextChannels[3] = {"textRed", "textGreen", "textBlue"};

}  // namespace

Editor::Editor() : texture_(noTexture()) {
    pipeline_.useTextEngine(text_);
    hoverPipeline_.useTextEngine(text_);
    markSaved({});
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
    pipeline_.render(s_, render::activeTexture(s_, *texture_), session_.fastEdit);
    ++renders_;
    picturesStale_ = false;
    hoverStale_ = true;
    previewShown_.reset();
    report_.reset();
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
    return {s_, texture_, exportPath_, exportPressedPath_, document_};
}

bool Editor::modified() const {
    return !sameDesign(capture(), *document_.saved);
}

template <class Op>
bool Editor::apply(Op&& op) {
    if (exporting()) {
        refusedWhileExporting();
        return false;
    }
    const Snapshot before = capture();
    const bool wasModified = modified();
    const bool wasSketch = session_.fastEdit;
    op();
    Changes extra;
    if (session_.fastEdit != wasSketch) {
        picturesStale_ = hoverStale_ = true;
        extra |= Aspect::editMode;
    }
    finish(before, wasModified, extra);
    return true;
}

void Editor::finish(const Snapshot& before, bool wasModified, Changes extra) {
    const Snapshot after = capture();
    Changes c = differences(before, after) | extra;
    if ((c & kDesignAspects).any() && !extra.has(Aspect::history)) {
        history_.record(before);
        c |= Aspect::history;
    }
    if (!samePictures(before, after)) {
        picturesStale_ = hoverStale_ = true;
        previewShown_.reset();
    }
    // Only the hover picture shows the hover lift: it alone is drawn again.
    if (before.design.hoverLift != after.design.hoverLift && !picturesStale_) {
        hoverStale_ = true;
        previewShown_.reset();
        c |= Aspect::pictures;
    }
    if (modified() != wasModified || before.document.path != document_.path) c |= Aspect::document;
    if (renderOnChange_ && picturesStale_ && c.any()) {
        paint();
        c |= Aspect::pictures;
    }
    notify(c);
}

std::optional<std::string> Editor::setField(const std::string& name, const std::string& value) {
    std::optional<std::string> error;
    const bool taken = apply([&] {
        state::FieldEffect effect = state::FieldEffect::none;
        error = state::setField(s_, session_, name, value, &effect);
        if (!error) follow(effect);
    });
    if (!taken) return refusedWhileExporting()->message;
    return error;
}

bool Editor::setByName(const char* name, int value) {
    bool set = false;
    apply([&] {
        state::FieldEffect effect = state::FieldEffect::none;
        set = state::setNumber(s_, session_, name, value, &effect);
        if (set) follow(effect);
    });
    return set;
}

void Editor::follow(state::FieldEffect effect) {
    if (effect == state::FieldEffect::recomputeTexture) rebrighten();
}

void Editor::rebrighten() {
    if (!s_.textureActive) return;
    auto next = std::make_shared<render::TextureImages>(*texture_);
    render::setTextureBrightness(s_, *next, s_.textureBrightness, textureProgress_);
    texture_ = std::move(next);
}

// ---------------------------------------------------------------- shape

void Editor::setShape(state::ShapeKind kind) {
    setField("shapeKind", state::nameOf(kind));
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
    setByName("smoothEdges", on);
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
    setByName("lightenFront", on);
}

// ---------------------------------------------------------------- inscription

void Editor::setUseText(bool on) {
    setByName("useText", on);
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
    setByName("text3D", on);
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
        render::layTexture(s_, *next, loaded, full, std::move(bytes));
        texture_ = std::move(next);
    });
    return std::nullopt;
}

void Editor::removeTexture() {
    apply([&] {
        render::TextureImages dropped;
        render::removeTexture(s_, dropped);
        texture_ = noTexture();
    });
}

bool Editor::setTextureBrightness(int brightness) {
    return setByName("textureBrightness", brightness);
}
void Editor::setStretchPreview(bool on) {
    setByName("stretchPreview", on);
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
    setByName("exportPressed", on);
}
bool Editor::setJpegCompression(int compression) {
    return setByName("jpegCompression", compression);
}
void Editor::setJpegProgressive(bool on) {
    setByName("jpegProgressive", on);
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

bool Editor::setWebSettings(const WebSettings& web) {
    if (!state::webSettingsValid(web)) return false;
    apply([&] { s_.web = web; });
    // A live markup is reported from the description, the others from the picture.
    report_.reset();
    return true;
}

bool Editor::setHoverLift(int lift) {
    return setByName("hoverLift", lift);
}

void Editor::setFastEdit(bool on) {
    if (on != session_.fastEdit) apply([&] { session_.fastEdit = on; });
}

// ---------------------------------------------------------------- session values

void Editor::setLastFile(const std::string& path) {
    if (path == session_.lastFile) return;
    session_.lastFile = path;
    notify(Aspect::document);
}
void Editor::setAppPath(const std::string& path) {
    session_.appPath = path;
}
void Editor::setMenuColour(uint32_t colour) {
    session_.menuColour = colour;
}

// ---------------------------------------------------------------- undo and redo

void Editor::restore(const Snapshot& snapshot) {
    s_ = snapshot.design;
    texture_ = snapshot.texture;
    exportPath_ = snapshot.exportPath;
    exportPressedPath_ = snapshot.exportPressedPath;
    // Within one opening the document stays as it is now (a later save counts);
    // across a load it is the one of that moment.
    if (snapshot.document.opening != document_.opening) document_ = snapshot.document;
}

bool Editor::travel(bool back) {
    if (exporting()) {
        refusedWhileExporting();
        return false;
    }
    const Snapshot before = capture();
    const bool wasModified = modified();
    auto target = back ? history_.undo(before) : history_.redo(before);
    if (!target) return false;
    restore(*target);
    finish(before, wasModified, Aspect::history);
    return true;
}

}  // namespace bevelmint::editor
