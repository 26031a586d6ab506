#include "editor/web_export.h"
#include "state/enum_names.h"

#include <utility>

#include "editor/editor.h"
#include "export/css_button.h"
#include "export/img_bundle.h"
#include "export/live_button.h"
#include "export/live_report.h"
#include "export/png_writer.h"
#include "state/layout.h"
#include "state/state_rules.h"
#include "vector/vector_button.h"

namespace bevelmint::editor {

std::optional<std::string> checkWebSettings(const WebSettings& web) {
    if (web.folder.empty()) return "Choose a folder for the web files first";
    if (auto problem = state::baseNameProblem(web.baseName)) return *problem;
    if (!state::webScalesFit(web.scales)) return "Choose the scales from 1x, 2x and 3x";
    return std::nullopt;
}

std::optional<std::string> webMembers(const std::string& labels, const state::ButtonState& s,
                                      std::vector<exporter::SetMember>& members) {
    std::vector<std::string> lines;
    if (auto error = exporter::parseLabels(labels, lines)) return error;
    members = lines.empty() ? std::vector<exporter::SetMember>{{s.buttonText, ""}}
                            : exporter::buttonSet(lines);
    // "Go" and "Go dark" would share the files of Go's dark variant.
    if (s.dark.on) {
        for (const exporter::SetMember& dark : exporter::darkMembers(members))
            for (const exporter::SetMember& m : members)
                if (m.slug == dark.slug)
                    return "the labels \"" + dark.label + "\" and \"" + m.label +
                           "\" would name the same files with the dark variant on";
    }
    return std::nullopt;
}

bool liveMarkup(WebMarkup kind) {
    return kind == WebMarkup::livePage || kind == WebMarkup::liveSnippet;
}

std::vector<exporter::ButtonReport> liveReports(const state::ButtonState& s,
                                                const std::vector<exporter::SetMember>& members,
                                                const exporter::VectorInputs& vectors,
                                                render::TextEngine& text) {
    const vector::VectorButton b = vector::describeButton(s, 1, vectors.metrics);
    const int size = state::characterHeight(s.textFont.size);
    std::vector<exporter::ButtonReport> reports;
    for (const exporter::SetMember& m : members) {
        const int64_t width = b.inscription ? text.advance(m.label, s.textFont, size) : 0;
        reports.push_back(exporter::liveReport(b, m.label, width));
    }
    return reports;
}

std::string liveTexturePath(const std::string& page) {
    const std::string name = base::fileNameOf(page);
    const auto dot = name.find_last_of('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    return page.substr(0, page.size() - name.size()) + stem + "-texture.png";
}

std::optional<std::string> labelOfLine(const std::string& labels, int line) {
    size_t start = 0;
    for (int at = 0; at < line && start != std::string::npos; ++at) {
        start = labels.find('\n', start);
        if (start != std::string::npos) ++start;
    }
    std::vector<std::string> found;
    if (start != std::string::npos &&
        !exporter::parseLabels(labels.substr(start, labels.find('\n', start) - start), found) &&
        !found.empty())
        return found.front();
    if (!exporter::parseLabels(labels, found) && !found.empty()) return found.front();
    return std::nullopt;
}

std::string webMarkup(WebMarkup kind, const state::ButtonState& s,
                      const std::vector<exporter::SetMember>& members,
                      const exporter::PictureSetRequest& request,
                      const exporter::VectorInputs& vectors, const std::string& page) {
    if (liveMarkup(kind)) {
        exporter::LiveButtons set;
        set.scales = vector::describeScales(s, vectors.metrics);
        if (s.dark.on) set.dark = vector::describeScales(state::darkVariant(s), vectors.metrics);
        for (const exporter::SetMember& m : members)
            set.labels.push_back(m.label);
        if (vectors.texture) set.textureName = base::fileNameOf(liveTexturePath(page));
        set.language = s.web.language;
        return kind == WebMarkup::livePage ? exporter::livePage(set) : exporter::liveSnippet(set);
    }
    // The e-mail bundle shows plain pictures; the CSS button its sprite sheet.
    if (kind == WebMarkup::imgBundle)
        return exporter::imgPage(exporter::webButtons(s, members, request.normal, request));
    const exporter::WebButtons set = exporter::webButtons(s, members, request.sprite, request);
    return kind == WebMarkup::cssPage ? exporter::cssPage(set) : exporter::cssSnippet(set);
}

void webOutputs(const WebSettings& web, Outputs& outputs, WebPages& pages) {
    const std::string base =
        (web.folder.empty() || web.folder.back() == '/' ? web.folder : web.folder + "/") +
        web.baseName;
    const std::string extension = std::string(".") + state::nameOf(web.format);
    exporter::PictureSetRequest& pictures = outputs.pictures;
    pictures = {};
    pages = {};
    if (!liveMarkup(web.markup)) {
        pictures.normal = base + extension;
        pictures.hover = base + "-hover" + extension;
        pictures.pressed = base + "-pressed" + extension;
        pictures.sprite = base + "-sprite" + extension;
        pictures.format = web.format == state::WebFormat::webp  ? exporter::PictureFormat::webp
                          : web.format == state::WebFormat::svg ? exporter::PictureFormat::svg
                                                                : exporter::PictureFormat::png;
        pictures.palette = web.palette && web.format == state::WebFormat::png;
        pictures.scales = web.scales;
        pictures.scaleNames = true;
    }
    switch (web.markup) {
        case WebMarkup::cssPage:
            pages.cssPage = base + ".html";
            break;
        case WebMarkup::cssSnippet:
            pages.cssSnippet = base + "-snippet.html";
            break;
        case WebMarkup::imgBundle:
            pages.imgPage = base + "-email.html";
            break;
        case WebMarkup::livePage:
            pages.livePage = base + ".html";
            break;
        case WebMarkup::liveSnippet:
            pages.liveSnippet = base + "-snippet.html";
            break;
    }
}

exporter::RenderedSet renderWebFiles(const state::ButtonState& s, const image::Picture* texture,
                                     const std::vector<exporter::SetMember>& members,
                                     const WebPages& pages, bool report,
                                     const std::function<void(const std::string&)>& warn,
                                     Outputs& outputs) {
    // The set's files take the place of the pictures named.
    const exporter::PictureSetRequest request = std::exchange(outputs.pictures, {});
    const bool live = !pages.livePage.empty() || !pages.liveSnippet.empty();
    // Every button's pictures come from the set, rendered on all cores; a live
    // button is reported as the browser draws it, each as wide as its label.
    exporter::RenderedSet rendered =
        exporter::renderSet(s, texture, members, request, report && !live, warn);
    if (s.dark.on) {
        exporter::RenderedSet dark =
            exporter::renderSet(state::darkVariant(s), texture, exporter::darkMembers(members),
                                request, report && !live, warn);
        for (exporter::PictureFile& f : dark.files)
            rendered.files.push_back(std::move(f));
        for (exporter::ButtonReport& r : dark.reports) {
            r.dark = true;
            rendered.reports.push_back(std::move(r));
        }
    }
    outputs.files = std::move(rendered.files);
    for (exporter::PictureFile& page : webPageFiles(s, texture, members, pages, request))
        outputs.files.push_back(std::move(page));
    if (report && live) {
        render::TextEngine text;
        rendered.reports = liveReports(s, members, exporter::vectorInputs(s, texture, text), text);
    }
    return rendered;
}

std::vector<exporter::PictureFile> webPageFiles(const state::ButtonState& s,
                                                const image::Picture* texture,
                                                const std::vector<exporter::SetMember>& members,
                                                const WebPages& pages,
                                                const exporter::PictureSetRequest& request) {
    const std::pair<const std::string*, WebMarkup> kinds[] = {
        {&pages.cssPage, WebMarkup::cssPage},
        {&pages.cssSnippet, WebMarkup::cssSnippet},
        {&pages.imgPage, WebMarkup::imgBundle},
        {&pages.livePage, WebMarkup::livePage},
        {&pages.liveSnippet, WebMarkup::liveSnippet}};
    // The live markups place their text by the font's metrics; nothing is rendered.
    exporter::VectorInputs vectors;
    if (!pages.livePage.empty() || !pages.liveSnippet.empty()) {
        render::TextEngine text;
        vectors = exporter::vectorInputs(s, texture, text);
    }
    std::vector<exporter::PictureFile> files;
    for (const auto& [page, kind] : kinds) {
        if (page->empty()) continue;
        // The page after its texture: the window opens the last file written.
        if (liveMarkup(kind) && vectors.texture)
            files.push_back({liveTexturePath(*page), exporter::encodePng(*vectors.texture)});
        files.push_back({*page, webMarkup(kind, s, members, request, vectors, *page)});
    }
    return files;
}

}  // namespace bevelmint::editor
