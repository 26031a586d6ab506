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

const exporter::ButtonReport& Editor::contrastReport() {
    if (picturesStale_) paint();
    if (report_) return *report_;
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

std::string Editor::webMarkupText() const {
    std::vector<exporter::SetMember> members;
    if (webMembers(s_.web.labels, s_, members)) return {};
    Outputs outputs;
    WebPages pages;
    webOutputs(s_.web, outputs, pages);
    return webMarkup(s_.web.markup, s_, members, outputs.pictures);
}

std::optional<base::FileError> Editor::exportForWeb(std::vector<std::string>& written) {
    if (auto why = checkWebSettings(s_.web)) return base::FileError{*why};
    std::vector<exporter::SetMember> members;
    if (auto why = webMembers(s_.web.labels, s_, members)) return base::FileError{*why};
    setFastEdit(false);
    Outputs outputs;
    WebPages pages;
    webOutputs(s_.web, outputs, pages);
    webNotices_ = renderWebFiles(s_, render::activeTexture(s_, *texture_), members, pages, false,
                                 text_.warn, outputs)
                      .notices;
    if (auto error = write(outputs)) return error;
    written.clear();
    for (const exporter::PictureFile& f : outputs.files)
        written.push_back(f.path);
    return std::nullopt;
}

}  // namespace bevelmint::editor
