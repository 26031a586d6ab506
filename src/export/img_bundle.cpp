#include "export/img_bundle.h"

#include <algorithm>

#include "export/html_snippet.h"

namespace bevelmint::exporter {

namespace {

const ScaledName* sharpest(const std::vector<ScaledName>& pictures) {
    if (pictures.empty()) return nullptr;
    for (int scale : {2, 1}) {
        auto it = std::find_if(pictures.begin(), pictures.end(),
                               [scale](const ScaledName& p) { return p.scale == scale; });
        if (it != pictures.end()) return &*it;
    }
    return &pictures.front();
}

std::string source(const std::vector<ScaledName>& pictures) {
    const ScaledName* picture = sharpest(pictures);
    return escapeAttribute(picture ? urlName(picture->name) : std::string());
}

std::string fontStyle(const WebButtons& set) {
    return "font-family:" + escapeAttribute(cssFamily(set.font.face)) +
           ",sans-serif;font-size:" + std::to_string(set.font.size) +
           "pt;font-weight:" + (set.font.bold ? "bold" : "normal") +
           ";font-style:" + (set.font.italic ? "italic" : "normal");
}

std::string cornerRadius(const WebButtons& set) {
    switch (set.shape) {
        case state::ShapeKind::elips:
            return "50%";
        case state::ShapeKind::rrect:
            return std::to_string(set.roundness) + "px";
        case state::ShapeKind::rect:
            break;
    }
    return "0";
}

// The rounded rectangle with the label for Outlook's desktop engine; its arc is
// a share of the shorter side.
std::string vmlButton(const WebButtons& set, const WebButton& button) {
    const int shorter = std::max(1, std::min(set.width, set.height));
    const int arc =
        set.shape == state::ShapeKind::elips ? 50 : std::min(50, set.roundness * 100 / shorter);
    return "<!--[if mso]><v:roundrect xmlns:v=\"urn:schemas-microsoft-com:vml\" "
           "xmlns:w=\"urn:schemas-microsoft-com:office:word\" href=\"" +
           std::string(kPlaceholderLink) + "\" style=\"height:" + std::to_string(set.height) +
           "px;v-text-anchor:middle;width:" + std::to_string(set.width) + "px;\" arcsize=\"" +
           std::to_string(arc) + "%\" stroke=\"f\" fillcolor=\"" + hexColour(set.light.face) +
           "\"><w:anchorlock/><center style=\"color:" + hexColour(set.light.text) + ";" +
           fontStyle(set) + ";\">" + escapeAttribute(button.name) +
           "</center></v:roundrect><![endif]-->";
}

}  // namespace

std::string cssFamily(const std::string& face) {
    std::string out = "'";
    for (char c : face) {
        if (c == '\'' || c == '\\') out += '\\';
        out += c;
    }
    return out + "'";
}

std::string imgBundle(const WebButtons& set, const WebButton& button) {
    const std::string face = hexColour(set.light.face);
    const bool round = set.shape != state::ShapeKind::rect;
    // Alt text fills the picture's box, centred, in the inscription's colour and font.
    const std::string img =
        "<img class=\"bvm-label\" src=\"" + source(button.pictures) + "\" alt=\"" +
        escapeAttribute(button.name) + "\" width=\"" + std::to_string(set.width) + "\" height=\"" +
        std::to_string(set.height) +
        "\" border=\"0\" style=\"display:block;border:0;color:" + hexColour(set.light.text) + ";" +
        fontStyle(set) + ";line-height:" + std::to_string(set.height) +
        "px;text-align:center;text-decoration:none\">";
    const std::string picture =
        set.dark && !button.darkPictures.empty()
            ? "<picture><source media=\"(prefers-color-scheme: dark)\" srcset=\"" +
                  source(button.darkPictures) + "\">" + img + "</picture>"
            : img;
    const std::string link = "<a href=\"" + std::string(kPlaceholderLink) +
                             "\" style=\"display:block;text-decoration:none\">" + picture + "</a>";
    return "<table role=\"presentation\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
           "<td class=\"bvm-face\" align=\"center\" bgcolor=\"" +
           face + "\" style=\"background-color:" + face + ";border-radius:" + cornerRadius(set) +
           ";padding:0\">" +
           (round ? vmlButton(set, button) + "<!--[if !mso]><!-->" + link + "<!--<![endif]-->"
                  : link) +
           "</td></tr></table>";
}

std::string imgPage(const WebButtons& set) {
    std::string body;
    for (const WebButton& b : set.buttons)
        body += imgBundle(set, b) + "\n";
    const std::string title = set.buttons.size() == 1 ? set.buttons[0].name : "Buttons";
    std::string style = "<style>\nbody {\n  background: " + hexColour(set.background) +
                        ";\n}\ntable {\n  margin: 12px;\n}\n" + hiddenHeadingRule();
    if (set.dark) {
        // The cells and labels follow the scheme, as the pictures in them do.
        style += "@media (prefers-color-scheme: dark) {\n  body {\n    background: " +
                 hexColour(set.dark->page) +
                 ";\n  }\n  .bvm-face {\n    background-color: " + hexColour(set.dark->face) +
                 " !important;\n  }\n  .bvm-label {\n    color: " + hexColour(set.dark->text) +
                 " !important;\n  }\n}\n";
    }
    style += "</style>\n";
    return pageHead(set.language, title, style, " bgcolor=\"" + hexColour(set.background) + "\"",
                    set.dark.has_value()) +
           mainStart(title) + body + mainEnd() + pageTail();
}

}  // namespace bevelmint::exporter
