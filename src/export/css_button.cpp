#include "export/css_button.h"

#include "export/contrast_report.h"
#include "export/html_snippet.h"

namespace bevelmint::exporter {

std::string cssString(const std::string& text) {
    // Hex escapes end with a space so a following hex digit is not taken in.
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) {
            // A control character; NUL is taken as U+FFFD by CSS anyway.
            out += '\\';
            if (u >= 16) out += kHex[u >> 4];
            out += kHex[u & 15];
            out += ' ';
            continue;
        }
        switch (c) {
            case '"':
                out += "\\22 ";
                break;
            case '\\':
                out += "\\5c ";
                break;
            case '<':
                out += "\\3c ";
                break;
            case '&':
                out += "\\26 ";
                break;
            default:
                out.push_back(c);
        }
    }
    return out + "\"";
}

std::string focusRule(const std::string& selector, image::Rgb page, const std::string& indent) {
    const image::Rgb black{0, 0, 0}, white{255, 255, 255};
    const bool dark = contrastRatio(black, page) >= contrastRatio(white, page);
    const std::string outer = dark ? "#000000" : "#ffffff", inner = dark ? "#ffffff" : "#000000";
    return indent + selector + ":focus-visible {\n" + indent + "  outline: 2px solid " + outer +
           ";\n" + indent + "  outline-offset: 2px;\n" + indent + "  box-shadow: 0 0 0 2px " +
           inner + ";\n" + indent + "}\n";
}

std::string disabledRule(const std::string& selector, const std::string& first) {
    return selector + "[aria-disabled=\"true\"] {\n" + first +
           "  filter: grayscale(1) opacity(0.5);\n  cursor: not-allowed;\n  pointer-events: "
           "none;\n}\n";
}

namespace {

std::string px(int v) {
    return v == 0 ? "0" : std::to_string(v) + "px";
}

std::string selectorOf(const WebButton& b) {
    return b.key.empty() ? ".bvm" : ".bvm-" + b.key;
}

std::string url(const ScaledName& picture) {
    return "url(" + cssString(urlName(picture.name)) + ")";
}

// The sprite at the lowest scale for browsers without image-set(), then every
// scale for those with it.
std::string backgroundRule(const std::string& selector, const std::vector<ScaledName>& pictures,
                           const std::string& indent) {
    if (pictures.empty()) return {};
    std::string out = indent + selector + " {\n" + indent +
                      "  background-image: " + url(pictures.front()) + ";\n";
    if (pictures.size() > 1) {
        out += indent + "  background-image: image-set(";
        for (size_t i = 0; i < pictures.size(); ++i) {
            if (i) out += ", ";
            out += url(pictures[i]) + " " + std::to_string(pictures[i].scale) + "x";
        }
        out += ");\n";
    }
    return out + indent + "}\n";
}

// What changes on a dark page: the sprites, the focus ring and, on a page of its
// own, the page's colour.
std::string darkBlock(const WebButtons& set, const std::string& pageRule) {
    if (!set.dark) return {};
    std::string out = "@media (prefers-color-scheme: dark) {\n" + pageRule;
    out += focusRule(".bvm", set.dark->page, "  ");
    for (const WebButton& b : set.buttons)
        out += backgroundRule(selectorOf(b), b.darkPictures, "  ");
    return out + "}\n";
}

std::string rules(const WebButtons& set, const std::string& darkPageRule) {
    const int w = set.width, h = set.height;
    std::string out = ".bvm {\n  display: inline-block;\n  width: " + px(w) +
                      ";\n  height: " + px(h) +
                      ";\n  background-repeat: no-repeat;\n  background-position: 0 0;\n" +
                      "  background-size: " + px(w) + " " + px(3 * h) + ";\n}\n";
    out += ".bvm:hover {\n  background-position: 0 " + px(-h) + ";\n}\n";
    out += ".bvm:active {\n  background-position: 0 " + px(-2 * h) + ";\n}\n";
    out += focusRule(".bvm", set.background, "");
    out += disabledRule(".bvm", "  background-position: 0 0;\n");
    for (const WebButton& b : set.buttons)
        out += backgroundRule(selectorOf(b), b.pictures, "");
    return out + darkBlock(set, darkPageRule);
}

}  // namespace

std::string cssRules(const WebButtons& set) {
    return rules(set, "");
}

std::string cssElements(const WebButtons& set) {
    std::string out;
    for (const WebButton& b : set.buttons) {
        const std::string cls = b.key.empty() ? "bvm" : "bvm bvm-" + b.key;
        out += "<a class=\"" + escapeAttribute(cls) + "\" href=\"" + kPlaceholderLink +
               "\" aria-label=\"" + escapeAttribute(b.name) + "\"></a>\n";
    }
    return out;
}

std::string cssSnippet(const WebButtons& set) {
    return "<style>\n" + cssRules(set) + "</style>\n" + cssElements(set);
}

std::string cssPage(const WebButtons& set) {
    const std::string darkPage =
        set.dark ? "  body {\n    background: " + hexColour(set.dark->page) + ";\n  }\n" : "";
    const std::string style = "<style>\nbody {\n  margin: 0;\n  padding: 16px;\n  background: " +
                              hexColour(set.background) +
                              ";\n}\n.bvm {\n  margin: 12px;\n  vertical-align: top;\n}\n" +
                              hiddenHeadingRule() + rules(set, darkPage) + "</style>\n";
    const std::string title = set.buttons.size() == 1 ? set.buttons[0].name : "Buttons";
    return pageHead(set.language, title, style, "", set.dark.has_value()) + mainStart(title) +
           cssElements(set) + mainEnd() + pageTail();
}

}  // namespace bevelmint::exporter
