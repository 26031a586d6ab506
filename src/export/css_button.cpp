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
std::string backgroundRule(const WebButton& b) {
    if (b.pictures.empty()) return {};
    std::string out = selectorOf(b) + " {\n  background-image: " + url(b.pictures.front()) + ";\n";
    if (b.pictures.size() > 1) {
        out += "  background-image: image-set(";
        for (size_t i = 0; i < b.pictures.size(); ++i) {
            if (i) out += ", ";
            out += url(b.pictures[i]) + " " + std::to_string(b.pictures[i].scale) + "x";
        }
        out += ");\n";
    }
    return out + "}\n";
}

// Black or white, whichever stands out more from the page.
std::string outlineColour(image::Rgb background) {
    const image::Rgb black{0, 0, 0}, white{255, 255, 255};
    return contrastRatio(black, background) >= contrastRatio(white, background) ? "#000000"
                                                                                : "#ffffff";
}

}  // namespace

std::string focusAndDisabledRules(const std::string& selector, image::Rgb background,
                                  const std::string& disabledFirst) {
    return selector + ":focus-visible {\n  outline: 3px solid " + outlineColour(background) +
           ";\n  outline-offset: 2px;\n}\n" + selector + "[aria-disabled=\"true\"] {\n" +
           disabledFirst +
           "  filter: grayscale(1) opacity(0.5);\n  cursor: not-allowed;\n  pointer-events: "
           "none;\n}\n";
}

std::string cssRules(const WebButtons& set) {
    const int w = set.width, h = set.height;
    std::string out = ".bvm {\n  display: inline-block;\n  width: " + px(w) +
                      ";\n  height: " + px(h) +
                      ";\n  background-repeat: no-repeat;\n  background-position: 0 0;\n" +
                      "  background-size: " + px(w) + " " + px(3 * h) + ";\n}\n";
    out += ".bvm:hover {\n  background-position: 0 " + px(-h) + ";\n}\n";
    out += ".bvm:active {\n  background-position: 0 " + px(-2 * h) + ";\n}\n";
    out += focusAndDisabledRules(".bvm", set.background, "  background-position: 0 0;\n");
    for (const WebButton& b : set.buttons)
        out += backgroundRule(b);
    return out;
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
    const std::string style = "<style>\nbody {\n  margin: 0;\n  padding: 16px;\n  background: " +
                              hexColour(set.background) +
                              ";\n}\n.bvm {\n  margin: 12px;\n  vertical-align: top;\n}\n" +
                              cssRules(set) + "</style>\n";
    const std::string title = set.buttons.size() == 1 ? set.buttons[0].name : "Buttons";
    return pageHead(title, style, "") + cssElements(set) + pageTail();
}

}  // namespace bevelmint::exporter
