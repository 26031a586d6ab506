// The editor's writes: saving the design, exporting its pictures and pages, and
// the one all-or-nothing path every file goes through (or is compared on).
#include <vector>

#include "editor/editor.h"
#include "export/html_snippet.h"
#include "export/picture_export.h"
#include "export/picture_set.h"
#include "render/button_pictures.h"

namespace bevelmint::editor {

std::optional<WriteError> Editor::saveDesign(const std::string& path) {
    // The last file names the new one even when the save fails.
    setLastFile(path);
    Outputs outputs;
    outputs.design = path;
    auto error = write(outputs);
    if (!error) {
        const bool wasModified = modified();
        const std::string before = document_.path;
        markSaved(path);
        notify(wasModified || before != document_.path ? Changes(Aspect::document) : Changes());
    }
    return error;
}

bool Editor::exportNamesComplete() const {
    return !exportPath_.empty() && (!s_.exportPressed || !exportPressedPath_.empty());
}

bool Editor::formatShownInBrowsers() const {
    return exporter::shownInBrowsers(exporter::pictureFormat(s_.exportFormat));
}

std::optional<std::string> Editor::checkPictures(const Outputs& outputs) const {
    return exporter::checkRequest(outputs.pictures, s_);
}

std::optional<WriteError> Editor::exportPictures() {
    if (!exportNamesComplete()) return WriteError{{}, "No file name chosen for the picture"};
    if (s_.fastEdit) setFastEdit(false);
    Outputs outputs;
    outputs.pictures.normal = exportPath_;
    if (s_.exportPressed) outputs.pictures.pressed = exportPressedPath_;
    outputs.pictures.format = exporter::pictureFormat(s_.exportFormat);
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
    const exporter::PictureSetRequest& request = out.pictures;
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

}  // namespace bevelmint::editor
