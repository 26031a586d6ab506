#pragma once

#include <functional>
#include <string>
#include <vector>

#include "export/button_set.h"
#include "export/contrast_report.h"
#include "export/web_button.h"
#include "image/picture.h"
#include "state/button_state.h"

namespace bevelmint::exporter {

// The pictures asked for, by the paths given for a lone button; a set inserts
// each member's slug into them.
struct PictureRequest {
    std::string normal, pressed;
    bool report = false;
};

// A file the command would write.
struct RenderedFile {
    std::string path;
    std::string bytes;
};

struct RenderedSet {
    std::vector<RenderedFile> files;    // member by member, in the members' order
    std::vector<ButtonReport> reports;  // one per member when asked for
};

// Renders the design once per member, with the member's label as its
// inscription, and encodes every picture asked for in the design's format.
// Members are shared out over all cores; each thread has its own render
// pipeline and text engine. `warn` hears a font warning once.
RenderedSet renderSet(const state::ButtonState& design, const image::Picture* texture,
                      const std::vector<SetMember>& members, const PictureRequest& request,
                      const std::function<void(const std::string&)>& warn);

// The members as a page shows them, by the bare names of the pictures at `path`.
WebButtons webButtons(const state::ButtonState& design, const std::vector<SetMember>& members,
                      const std::string& path);

}  // namespace bevelmint::exporter
