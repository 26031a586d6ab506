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
    session_.lastFile = path;
    document_.opening = ++openings_;
    markSaved(path);
    finish(before, wasModified, Aspect::document);
    return result;
}

std::optional<base::FileError> Editor::saveDesign(const std::string& path) {
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

std::optional<base::FileError> Editor::preparePictureExport(std::unique_ptr<ExportJob>& job) {
    if (exporting()) return refusedWhileExporting();
    if (!exportNamesComplete()) return base::FileError{"No file name chosen for the picture"};
    setFastEdit(false);
    Outputs outputs;
    outputs.pictures.normal = exportPath_;
    if (s_.exportPressed) outputs.pictures.pressed = exportPressedPath_;
    outputs.pictures.format = exporter::pictureFormat(s_.exportFormat);
    job = makeJob(std::move(outputs));
    return std::nullopt;
}

std::optional<base::FileError> Editor::exportPictures() {
    std::unique_ptr<ExportJob> job;
    if (auto error = preparePictureExport(job)) return error;
    return runNow(*job);
}

std::string Editor::htmlFragment() const {
    return exporter::htmlFragment(base::fileNameOf(exportPath_),
                                  base::fileNameOf(exportPressedPath_), s_.buttonText,
                                  s_.exportPressed && !exportPressedPath_.empty());
}

std::optional<base::FileError> Editor::saveHtmlPage(const std::string& path,
                                                    const std::string& fragment) {
    session_.htmlFileName = path;
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
    if (plain && !session_.fastEdit && (!r.normal.empty() || !r.pressed.empty())) {
        // The pictures at scale 1 without hover are the editor's own render,
        // unless that is fast edit mode's sketch: files always hold the real button.
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

std::optional<base::FileError> Editor::refusedWhileExporting() {
    notify(kDesignAspects);
    return base::FileError{"An export is being written; wait for it or cancel it first"};
}

std::optional<base::FileError> Editor::write(const Outputs& outputs) {
    if (exporting()) return refusedWhileExporting();
    return runNow(*makeJob(outputs));
}

std::optional<base::FileError> Editor::runNow(ExportJob& job) {
    auto error = job.run();
    for (const std::string& warning : job.warnings())
        if (text_.warn) text_.warn(warning);
    return error;
}

std::optional<base::FileError> Editor::check(const Outputs& outputs,
                                             std::vector<std::string>& differing) {
    if (exporting()) return refusedWhileExporting();
    return makeJob(outputs)->check(differing);
}

}  // namespace bevelmint::editor
