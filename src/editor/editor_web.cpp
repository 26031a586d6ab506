// The editor's web export: its settings, the hover picture and the contrast
// report the Web page shows, and the export itself.
#include "editor/editor.h"
#include "render/button_pictures.h"
#include "state/state_rules.h"

namespace bevelmint::editor {

const image::Picture& Editor::hover() {
    if (hoverStale_) {
        hoverPipeline_.render(state::hoverState(s_), render::activeTexture(s_, *texture_),
                              session_.fastEdit);
        hoverStale_ = false;
    }
    return hoverPipeline_.normal();
}

const render::ButtonPictures& Editor::preview(const PreviewRequest& request) {
    if (picturesStale_) paint();
    std::optional<std::string> label;
    if (request.labelLine >= 0) label = labelOfLine(s_.web.labels, request.labelLine);
    if (previewShown_ && previewShown_->first == request && previewShown_->second == label)
        return preview_;
    const state::ButtonState design = state::clampedForRender(s_);
    const int w = design.buttonWidth, h = design.buttonHeight;
    if (request.scale == 1 && !label) {
        preview_ = {normal().cut(w, h), request.withHover ? hover().cut(w, h) : image::Picture(),
                    pressed().cut(w, h)};
    } else {
        if (!previewPipeline_ || previewPipeline_->scale() != request.scale) {
            previewPipeline_ = std::make_unique<render::RenderPipeline>(request.scale);
            previewPipeline_->useTextEngine(text_);
        }
        state::ButtonState shown = s_;
        if (label) shown.buttonText = *label;
        preview_ = render::renderButtonPictures(
            *previewPipeline_, shown, render::activeTexture(s_, *texture_), request.withHover);
    }
    previewShown_.emplace(request, std::move(label));
    return preview_;
}

const exporter::ButtonReport& Editor::contrastReport() {
    if (picturesStale_) paint();
    if (report_) return *report_;
    if (liveMarkup(s_.web.markup)) {
        const exporter::VectorInputs vectors =
            exporter::vectorInputs(s_, render::activeTexture(s_, *texture_), text_);
        report_ = liveReports(s_, {{s_.buttonText, ""}}, vectors, text_).front();
        return *report_;
    }
    const std::vector<bool> ink = exporter::inscriptionInk(s_, text_);
    if (!session_.fastEdit) {
        report_ = exporter::reportButton(s_, normal(), ink);
    } else {
        // The quick sketch is not what an export writes: measure the real picture.
        const render::ButtonPictures pictures =
            render::renderButtonPictures(s_, render::activeTexture(s_, *texture_), 1, text_, false);
        report_ = exporter::reportButton(s_, pictures.normal, ink);
    }
    return *report_;
}

image::Picture Editor::darkPreview() {
    return render::renderButtonPictures(state::darkVariant(s_),
                                        render::activeTexture(s_, *texture_), 1, text_, false)
        .normal;
}

std::string Editor::webMarkupText() {
    std::vector<exporter::SetMember> members;
    if (webMembers(s_.web.labels, s_, members)) return {};
    Outputs outputs;
    WebPages pages;
    webOutputs(s_.web, outputs, pages);
    const std::string page =
        s_.web.markup == WebMarkup::livePage ? pages.livePage : pages.liveSnippet;
    return webMarkup(s_.web.markup, s_, members, outputs.pictures,
                     exporter::vectorInputs(s_, render::activeTexture(s_, *texture_), text_), page);
}

std::string Editor::webFolder() const {
    const std::string& folder = s_.web.folder;
    if (folder.empty() || folder.front() == '/' || document_.path.empty()) return folder;
    return base::folderOf(document_.path) + folder;
}

std::string Editor::webPagePath() const {
    WebSettings web = s_.web;
    web.folder = webFolder();
    Outputs outputs;
    WebPages pages;
    webOutputs(web, outputs, pages);
    for (const std::string* page :
         {&pages.cssPage, &pages.cssSnippet, &pages.imgPage, &pages.livePage, &pages.liveSnippet})
        if (!page->empty()) return *page;
    return {};
}

std::optional<base::FileError> Editor::prepareWebExport(std::unique_ptr<ExportJob>& job) {
    if (exporting()) return refusedWhileExporting();
    if (auto why = checkWebSettings(s_.web)) return base::FileError{*why};
    std::vector<exporter::SetMember> members;
    if (auto why = webMembers(s_.web.labels, s_, members)) return base::FileError{*why};
    setFastEdit(false);
    WebSettings web = s_.web;
    web.folder = webFolder();
    Outputs outputs;
    WebPages pages;
    webOutputs(web, outputs, pages);
    job = makeJob(std::move(outputs));
    job->members_ = std::move(members);
    job->pages_ = std::move(pages);
    return std::nullopt;
}

std::optional<base::FileError> Editor::exportForWeb(std::vector<std::string>& written) {
    std::unique_ptr<ExportJob> job;
    if (auto error = prepareWebExport(job)) return error;
    auto error = runNow(*job);
    webNotices_ = job->notices();
    if (!error) written = job->written();
    return error;
}

}  // namespace bevelmint::editor
