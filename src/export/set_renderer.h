#pragma once

#include <functional>
#include <string>
#include <vector>

#include "export/button_set.h"
#include "export/contrast_report.h"
#include "export/picture_set.h"
#include "export/web_button.h"
#include "image/picture.h"
#include "state/button_state.h"

namespace bevelmint::exporter {

struct RenderedSet {
    std::vector<PictureFile> files;     // member by member, in the members' order
    std::vector<ButtonReport> reports;  // one per member when asked for
    std::vector<std::string> notices;   // the files' notices, in the files' order
};

// Renders the design once per member, with the member's label as its
// inscription, and encodes every picture the request asks for, each path with
// "-" and the member's slug inserted before its extension (and before "@2x").
// Each member at each scale is one task, shared out over all cores (one
// button's scales too); each thread has its own text engine and render
// pipelines. `warn` hears a font warning once.
RenderedSet renderSet(const state::ButtonState& design, const image::Picture* texture,
                      const std::vector<SetMember>& members, const PictureSetRequest& request,
                      bool report, const std::function<void(const std::string&)>& warn);

// The members as a page shows them, by the bare names of the pictures written
// for `path` at every scale of the request.
WebButtons webButtons(const state::ButtonState& design, const std::vector<SetMember>& members,
                      const std::string& path, const PictureSetRequest& request);

}  // namespace bevelmint::exporter
