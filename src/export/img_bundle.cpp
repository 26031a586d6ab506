#include "export/img_bundle.h"

#include <algorithm>

#include "export/html_snippet.h"

namespace bevelmint::exporter {

namespace {

const ScaledName* sharpest(const WebButton& b) {
    if (b.pictures.empty()) return nullptr;
    for (int scale : {2, 1}) {
        auto it = std::find_if(b.pictures.begin(), b.pictures.end(),
                               [scale](const ScaledName& p) { return p.scale == scale; });
        if (it != b.pictures.end()) return &*it;
    }
    return &b.pictures.front();
}

}  // namespace

std::string imgBundle(const WebButtons& set, const WebButton& button) {
    const ScaledName* picture = sharpest(button);
    const std::string src = picture ? urlName(picture->name) : std::string();
    return "<a href=\"" + std::string(kPlaceholderLink) + "\"><img src=\"" + escapeAttribute(src) +
           "\" alt=\"" + escapeAttribute(button.name) + "\" width=\"" + std::to_string(set.width) +
           "\" height=\"" + std::to_string(set.height) + "\" border=\"0\"></a>";
}

std::string imgPage(const WebButtons& set) {
    std::string body;
    for (const WebButton& b : set.buttons)
        body += imgBundle(set, b) + "\n";
    const std::string title = set.buttons.size() == 1 ? set.buttons[0].name : "Buttons";
    return pageHead(title, "", " bgcolor=\"" + hexColour(set.background) + "\"") + body +
           pageTail();
}

}  // namespace bevelmint::exporter
