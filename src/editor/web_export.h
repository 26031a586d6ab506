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

// The Web page's settings are the design's (the design file keeps them).
using state::WebMarkup;
using state::WebSettings;

// Why the settings cannot be exported (no folder, a base name that is not a
// plain file name, scales out of order or range), if they cannot.
std::optional<std::string> checkWebSettings(const WebSettings& web);

// The pages of a web export beyond its pictures; an empty path is not written.
struct WebPages {
    std::string cssPage, cssSnippet, imgPage, livePage, liveSnippet;
};

// The buttons to render: the design's own, or one per label of a labels text
// (parseLabels' rules; its error when the text is not UTF-8).
std::optional<std::string> webMembers(const std::string& labels, const state::ButtonState& s,
                                      std::vector<exporter::SetMember>& members);

// Whether a markup draws its buttons itself (the live CSS button) rather than
// showing pictures.
bool liveMarkup(WebMarkup kind);

// The label a line of a labels text shows (blanks trimmed); for a blank line or
// one past the end, the first label; nothing without labels.
std::optional<std::string> labelOfLine(const std::string& labels, int line);

// The markup of one kind for the members, showing the pictures `request` names.
// A live markup written to `page` lays a textured design's texture from the file
// liveTexturePath(page) beside it; `vectors` place its text.
std::string webMarkup(WebMarkup kind, const state::ButtonState& s,
                      const std::vector<exporter::SetMember>& members,
                      const exporter::PictureSetRequest& request,
                      const exporter::VectorInputs& vectors, const std::string& page);

// The reports of live buttons, one per member, each as wide as its label.
std::vector<exporter::ButtonReport> liveReports(const state::ButtonState& s,
                                                const std::vector<exporter::SetMember>& members,
                                                const exporter::VectorInputs& vectors,
                                                render::TextEngine& text);

// "live-texture.png" beside "live.html".
std::string liveTexturePath(const std::string& page);

// The files the Web page's settings name in their folder: BASE.EXT,
// BASE-hover.EXT, BASE-pressed.EXT and BASE-sprite.EXT at every scale ("@2x",
// "@3x" before the extension; an SVG once), and BASE.html, BASE-snippet.html or
// BASE-email.html for the markup. A live markup needs no pictures: BASE.html or
// BASE-snippet.html alone (and the texture beside it).
void webOutputs(const WebSettings& web, Outputs& outputs, WebPages& pages);

// The pages of a set: the markup of each kind `pages` names, showing the
// pictures `request` names; a live page after its texture, while the design has
// one active (`texture` is the working texture).
std::vector<exporter::PictureFile> webPageFiles(const state::ButtonState& s,
                                                const image::Picture* texture,
                                                const std::vector<exporter::SetMember>& members,
                                                const WebPages& pages,
                                                const exporter::PictureSetRequest& request);

// Renders every member with the pictures `outputs` names (their paths are
// consumed) into outputs.files, and adds the pages, a live page with its texture.
// `texture` is the working texture, used while the design has one active.
exporter::RenderedSet renderWebFiles(const state::ButtonState& s, const image::Picture* texture,
                                     const std::vector<exporter::SetMember>& members,
                                     const WebPages& pages, bool report,
                                     const std::function<void(const std::string&)>& warn,
                                     Outputs& outputs);

}  // namespace bevelmint::editor
