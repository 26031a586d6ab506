#pragma once

// Exports for the web: the pictures at several scales with their hover state and
// sprite sheets, and the page that shows them, for one button or a whole set.
// bevelmint-render and the window's Web page both make their files here.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "export/button_set.h"
#include "export/picture_export.h"
#include "export/picture_set.h"
#include "export/set_renderer.h"
#include "state/button_state.h"

namespace bevelmint::editor {

struct Outputs;

// The pages that show web buttons.
enum class WebMarkup {
    cssPage,     // a page with the buttons styled by CSS alone
    cssSnippet,  // the style element and the links, to paste into a site
    imgBundle,   // images in links, for e-mail and README files
};

// What the Web page sets; undo restores it, the design file does not hold it.
struct WebSettings {
    exporter::PictureFormat format = exporter::PictureFormat::png;
    std::vector<int> scales{1, 2};  // ascending, each 1..3
    std::string folder;             // where the files go; empty until chosen
    std::string baseName = "button";
    WebMarkup markup = WebMarkup::cssPage;
    std::string labels;  // one inscription a line; none: the design's own button

    bool operator==(const WebSettings&) const = default;
};

// Why the settings cannot be exported (no folder, a base name that is not a
// plain file name, no scale), if they cannot.
std::optional<std::string> checkWebSettings(const WebSettings& web);

// The pages of a web export beyond its pictures; an empty path is not written.
struct WebPages {
    std::string cssPage, cssSnippet, imgPage;
};

// The buttons to render: the design's own, or one per label of a labels text
// (parseLabels' rules; its error when the text is not UTF-8).
std::optional<std::string> webMembers(const std::string& labels, const state::ButtonState& s,
                                      std::vector<exporter::SetMember>& members);

// The markup of one kind for the members, showing the pictures `request` names.
std::string webMarkup(WebMarkup kind, const state::ButtonState& s,
                      const std::vector<exporter::SetMember>& members,
                      const exporter::PictureSetRequest& request);

// The files the Web page's settings name in their folder: BASE.EXT,
// BASE-hover.EXT, BASE-pressed.EXT and BASE-sprite.EXT at every scale ("@2x",
// "@3x" before the extension), and BASE.html, BASE-snippet.html or
// BASE-email.html for the markup.
void webOutputs(const WebSettings& web, Outputs& outputs, WebPages& pages);

// Renders every member with the pictures `outputs` names (their paths are
// consumed) into outputs.files, and adds the pages. `texture` is the working
// texture, used while the design has one active.
exporter::RenderedSet renderWebFiles(const state::ButtonState& s, const image::Picture* texture,
                                     const std::vector<exporter::SetMember>& members,
                                     const WebPages& pages, bool report,
                                     const std::function<void(const std::string&)>& warn,
                                     Outputs& outputs);

}  // namespace bevelmint::editor
