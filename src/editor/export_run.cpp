// One run of exports from a request: its rules, the set it renders and the one
// all-or-nothing write (or comparison) of everything it names.
#include <algorithm>

#include "base/file_io.h"
#include "editor/export_request.h"
#include "state/enum_names.h"

namespace bevelmint::editor {

namespace {

// A labels file longer than this is not a list of button labels.
constexpr uint64_t kMaxLabelsBytes = 16 << 20;

// The buttons to render: the design's own, or one per line of the labels file.
std::optional<std::string> chooseMembers(const ExportRequest& r, const state::ButtonState& design,
                                         std::vector<exporter::SetMember>& members) {
    std::string text;
    if (!r.labelsFile.empty()) {
        if (auto e = base::readWholeFile(r.labelsFile, text, kMaxLabelsBytes)) return e->message;
    }
    if (auto e = webMembers(text, design, members)) return r.labelsFile + ": " + *e;
    // A labels file without a label would quietly write the lone button instead.
    if (!r.labelsFile.empty() && members.front().slug.empty())
        return r.labelsFile + ": no labels in it";
    return std::nullopt;
}

}  // namespace

bool ExportRun::fallsShort() const {
    return std::any_of(reports.begin(), reports.end(),
                       [](const exporter::ButtonReport& r) { return !r.passes(); });
}

bool hasOutputs(const ExportRequest& request) {
    const Outputs& o = request.outputs;
    const exporter::PictureSetRequest& p = o.pictures;
    return !p.normal.empty() || !p.pressed.empty() || !p.hover.empty() || !p.sprite.empty() ||
           !o.htmlPage.empty() || !o.design.empty() || !request.pages.cssPage.empty() ||
           !request.pages.cssSnippet.empty() || !request.pages.imgPage.empty() ||
           !request.pages.livePage.empty() || !request.pages.liveSnippet.empty() || request.report;
}

std::optional<std::string> requestProblem(const ExportRequest& request,
                                          const state::ButtonState& s) {
    const exporter::PictureSetRequest& r = request.outputs.pictures;
    if (!r.pressed.empty() && r.normal.empty()) return "--pressed needs --normal too";
    // Each page needs its pictures, in a format browsers show.
    const std::pair<const std::string*, std::pair<const char*, const std::string*>> pages[] = {
        {&request.outputs.htmlPage, {"--html", &r.normal}},
        {&request.pages.imgPage, {"--img-page", &r.normal}},
        {&request.pages.cssPage, {"--css-page", &r.sprite}},
        {&request.pages.cssSnippet, {"--css-snippet", &r.sprite}}};
    for (const auto& [page, needs] : pages) {
        const auto& [option, picture] = needs;
        if (page->empty()) continue;
        if (picture->empty()) {
            return std::string(option) + " needs the exported pictures: give " +
                   (picture == &r.sprite ? "--sprite" : "--normal");
        }
        if (!exporter::shownInBrowsers(exporter::fileFormat(r, *picture, s)))
            return std::string(kNoBmpInHtml) + ": export GIF or JPG pictures";
    }
    if (request.strict && !request.report) return "--strict needs --report";
    if (!request.labelsFile.empty() && !request.outputs.htmlPage.empty())
        return "--html shows one button; use --css-page or --img-page with --labels";
    return std::nullopt;
}

std::optional<base::FileError> Editor::run(ExportRequest request, ExportRun& result) {
    Outputs& files = request.outputs;
    const exporter::PictureSetRequest& pictures = files.pictures;
    // The normal picture's format, which a saved design keeps when it can name it.
    const exporter::PictureFormat format = exporter::fileFormat(pictures, pictures.normal, s_);
    if (auto kept = exporter::exportFormat(format);
        kept && (pictures.format || !pictures.normal.empty()))
        setField("exportFormat", state::nameOf(*kept));
    if (auto why = checkPictures(files)) return base::FileError{*why};
    if (auto why = requestProblem(request, s_)) return base::FileError{*why};
    std::vector<exporter::SetMember> members;
    if (auto why = chooseMembers(request, s_, members)) return base::FileError{*why};
    setExportPath(pictures.normal);
    setExportPressedPath(pictures.pressed);
    if (!files.htmlPage.empty()) files.htmlFragment = htmlFragment();

    exporter::RenderedSet rendered =
        renderWebFiles(s_, render::activeTexture(s_, *texture_), members, request.pages,
                       request.report && !request.check, text_.warn, files);
    if (auto error = request.check ? check(files, result.differing) : write(files)) return error;
    result.reports = std::move(rendered.reports);
    if (!request.check) result.notices = std::move(rendered.notices);
    return std::nullopt;
}

}  // namespace bevelmint::editor
