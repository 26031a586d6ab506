// The editor's writes: saving the design, exporting its pictures and pages, and
// the one all-or-nothing path every file goes through (or is compared on).
#include <algorithm>
#include <filesystem>
#include <vector>

#include "editor/editor.h"
#include "editor/snapshot.h"
#include "export/html_snippet.h"
#include "export/picture_export.h"
#include "export/picture_set.h"
#include "render/button_pictures.h"
#include "state/state_rules.h"

namespace bevelmint::editor {

void Editor::markSaved(const std::string& path) {
    // Absolute: a file dialog may change the current folder later.
    document_.path =
        path.empty() ? path : std::filesystem::absolute(path).lexically_normal().string();
    Snapshot saved = capture();
    saved.document = {};  // no chain of every earlier save
    document_.saved = std::make_shared<const Snapshot>(std::move(saved));
}

files::LoadResult Editor::loadDesign(const std::string& path) {
    if (exporting()) return {base::FileError{refusedWhileExporting()->message}, {}};
    state::ButtonState loaded = s_;
    render::TextureImages images;
    files::LoadResult result = files::readDesignFile(path, loaded, images);
    if (result.error) return result;
    const Snapshot before = capture();
    const bool wasModified = modified();
    s_ = std::move(loaded);
    texture_ = s_.textureActive ? std::make_shared<const render::TextureImages>(std::move(images))
                                : noTexture();
    document_.opening = ++openings_;
    markSaved(path);
    finish(before, wasModified, Aspect::document);
    return result;
}

std::optional<WriteError> Editor::saveDesign(const std::string& path) {
    if (exporting()) return refusedWhileExporting();
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

std::optional<WriteError> Editor::preparePictureExport(std::unique_ptr<ExportJob>& job) {
    if (exporting()) return refusedWhileExporting();
    if (!exportNamesComplete()) return WriteError{{}, "No file name chosen for the picture"};
    if (s_.fastEdit) setFastEdit(false);
    Outputs outputs;
    outputs.pictures.normal = exportPath_;
    if (s_.exportPressed) outputs.pictures.pressed = exportPressedPath_;
    outputs.pictures.format = exporter::pictureFormat(s_.exportFormat);
    job = makeJob(std::move(outputs));
    return std::nullopt;
}

std::optional<WriteError> Editor::exportPictures() {
    std::unique_ptr<ExportJob> job;
    if (auto error = preparePictureExport(job)) return error;
    return runNow(*job);
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

std::unique_ptr<ExportJob> Editor::makeJob(Outputs outputs) {
    auto job = std::make_unique<ExportJob>();
    job->design_ = s_;
    job->texture_ = texture_;
    const exporter::PictureSetRequest& r = outputs.pictures;
    const bool plain = r.hover.empty() && r.sprite.empty() &&
                       std::find(r.scales.begin(), r.scales.end(), 1) != r.scales.end();
    if (plain && (!r.normal.empty() || !r.pressed.empty())) {
        // The pictures at scale 1 without hover are the editor's own render.
        if (picturesStale_) render();
        const state::ButtonState design = state::clampedForRender(s_);
        job->rendered_ =
            render::ButtonPictures{normal().cut(design.buttonWidth, design.buttonHeight),
                                   {},
                                   pressed().cut(design.buttonWidth, design.buttonHeight)};
    }
    job->outputs_ = std::move(outputs);
    auto busy = std::make_shared<const int>(0);
    running_ = busy;
    job->busy_ = std::move(busy);
    return job;
}

std::optional<WriteError> Editor::refusedWhileExporting() {
    notify(kDesignAspects);
    return WriteError{{}, "An export is being written; wait for it or cancel it first"};
}

std::optional<WriteError> Editor::write(const Outputs& outputs) {
    if (exporting()) return refusedWhileExporting();
    return runNow(*makeJob(outputs));
}

std::optional<WriteError> Editor::runNow(ExportJob& job) {
    auto error = job.run();
    for (const std::string& warning : job.warnings())
        if (text_.warn) text_.warn(warning);
    return error;
}

std::optional<WriteError> Editor::check(const Outputs& outputs,
                                        std::vector<std::string>& differing) {
    if (exporting()) return refusedWhileExporting();
    return makeJob(outputs)->check(differing);
}

}  // namespace bevelmint::editor
