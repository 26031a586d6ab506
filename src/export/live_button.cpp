#include "export/live_button.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "export/css_button.h"
#include "export/css_layers.h"
#include "export/html_snippet.h"
#include "export/web_button.h"

namespace bevelmint::exporter {

using vector::VectorButton;

namespace {

constexpr const char* kClass = "bvl";
constexpr const char* kDarkScheme = "(prefers-color-scheme: dark)";

std::string textShadow(const vector::Inscription& in, bool pressed) {
    // The copies under the text, the last drawn on top, as CSS lists them first.
    std::string out;
    for (size_t i = in.copies.size() - 1; i-- > 0;) {
        const vector::TextCopy& c = in.copies[i];
        out += (out.empty() ? "" : ", ") + cssPx(c.dx) + " " + cssPx(c.dy) + " 0 " +
               hexColour(pressed ? c.pressed : c.normal);
    }
    return out.empty() ? "none" : out;
}

std::string textColours(const vector::Inscription& in, bool pressed) {
    const vector::TextCopy& plain = in.copies.back();
    return "  color: " + hexColour(pressed ? plain.pressed : plain.normal) +
           ";\n  text-shadow: " + textShadow(in, pressed) + ";\n";
}

std::string outlineRadius(const VectorButton& b) {
    const vector::Ring& outer = b.rings.front();
    if (b.outline == vector::Outline::rect) return "0";
    const std::string x = cssLength(outer.cornerX), y = cssLength(outer.cornerY);
    return x == y ? x : x + " / " + y;
}

std::string rule(const std::string& selector, const std::string& body) {
    return selector + " {\n" + body + "}\n";
}

// The text's font, place and colours, and the link's size; the same at every scale.
std::string buttonRule(const VectorButton& b) {
    std::string out =
        "  position: relative;\n  isolation: isolate;\n  display: inline-block;\n"
        "  box-sizing: border-box;\n  min-width: " +
        cssPx(b.width) + ";\n  height: " + cssPx(b.height) + ";\n";
    if (b.inscription) {
        const vector::Inscription& in = *b.inscription;
        const int room = liveTextRoom(b);
        // The line holds just the font's ascent and descent, so the baseline lies
        // one ascent below its top; a cell above the button shrinks the line instead.
        const int top = std::max(in.top, 0);
        const int line = std::max(in.ascent + in.descent + 2 * std::min(in.top, 0), 0);
        out += "  padding: " + cssPx(top) + " " + cssPx(room - in.offsetX) + " 0 " +
               cssPx(room + in.offsetX) + ";\n";
        out += std::string("  font: ") + (in.font.italic ? "italic " : "") +
               (in.font.bold ? "bold " : "") + cssPx(in.pixelSize) + "/" + cssPx(line) + " " +
               fontFamily(in.font.face) + ";\n";
        out += textColours(in, false);
    } else {
        out += "  padding: 0;\n";
    }
    out += "  overflow: hidden;\n  border-radius: " + outlineRadius(b) +
           ";\n  text-align: center;\n  white-space: nowrap;\n  text-decoration: none;\n"
           "  vertical-align: top;\n";
    return out;
}

std::string background(const std::string& layers) {
    return "  background: " + layers + ";\n";
}

// The rules one device scale draws with.
std::string scaleRules(const VectorButton& b, const std::string& textureName) {
    const std::string a = std::string(".") + kClass;
    std::string out;
    for (bool pressed : {false, true}) {
        const std::string state = pressed ? a + ":active" : a;
        std::string rings;
        if (textureName.empty()) {
            const vector::Ring& face = b.rings.back();
            rings = background(hexColour(pressed ? face.pressed : face.normal)) +
                    "  box-shadow: " + ringShadows(b, pressed) + ";\n";
        } else {
            const std::string texture = "url(" + cssString(urlName(textureName)) + ")";
            rings = background(pressed ? faceVeil(b, true) + ", " + texture : texture) +
                    "  box-shadow: " + ringVeils(b, pressed) + ";\n";
        }
        out += rule(state + "::before", rings);
        if (textureName.empty())
            out += rule(state + "::after", background(cornerCutouts(b, pressed)));
        if (!b.light.lightsFace && textureName.empty())
            out += rule(state + " span::before", background(faceLayers(b, pressed)));
        out +=
            rule(state + " span::after",
                 background(lightLayer(b, pressed ? vector::Look::pressed : vector::Look::rest)));
        // Under the pointer only the light changes; pressed comes after, so it wins.
        if (!pressed)
            out += rule(a + ":hover span::after", background(lightLayer(b, vector::Look::hover)));
    }
    return out;
}

// Rules inside a media rule, indented.
std::string mediaBlock(const std::string& condition, const std::string& rules) {
    std::string indented;
    for (size_t at = 0; at < rules.size();) {
        const size_t end = rules.find('\n', at);
        indented += "  " + rules.substr(at, end - at + 1);
        at = end + 1;
    }
    return "@media " + condition + " {\n" + indented + "}\n";
}

// The colours of one scheme at every scale: the finer scales' under their
// resolution, each also under `scheme` (empty: the light one).
std::string schemeRules(const std::vector<VectorButton>& scales, const std::string& textureName,
                        const std::string& scheme) {
    std::string out;
    for (const VectorButton& b : scales) {
        std::string condition = scheme;
        if (b.scale > 1) {
            condition += (condition.empty() ? "" : " and ") + std::string("(min-resolution: ") +
                         std::to_string(b.scale) + "dppx)";
        }
        const std::string rules = scaleRules(b, textureName);
        out += condition.empty() ? rules : mediaBlock(condition, rules);
    }
    return out;
}

}  // namespace

int liveTextRoom(const VectorButton& b) {
    if (!b.inscription) return 0;
    const int depth = static_cast<int>(std::ceil(b.rings.back().inset));
    return depth + std::abs(b.inscription->offsetX) + (b.inscription->pixelSize + 1) / 2;
}

std::string liveRules(const LiveButtons& set) {
    if (set.scales.empty()) return {};
    const VectorButton& b = set.scales.front();
    const std::string a = std::string(".") + kClass;
    std::string out = rule(a, buttonRule(b));
    out += rule(a + "::before, " + a + "::after, " + a + " span::before, " + a + " span::after",
                "  content: \"\";\n  position: absolute;\n  inset: 0;\n  pointer-events: none;\n");
    const bool textured = !set.textureName.empty();
    out += rule(a + "::before",
                std::string("  z-index: -4;\n") + (textured ? "  border-radius: inherit;\n"
                                                              "  image-rendering: pixelated;\n"
                                                            : ""));
    out += rule(a + "::after", "  z-index: -3;\n");
    out += rule(a + " span::before", "  z-index: -1;\n");
    out += rule(a + " span::after", std::string("  z-index: ") + (b.light.lightsFace ? "1" : "-2") +
                                        ";\n  mix-blend-mode: color-dodge;\n");
    if (b.inscription) out += rule(a + ":active", textColours(*b.inscription, true));
    out += focusRule(a, b.background, "") + disabledRule(a, "");
    out += schemeRules(set.scales, set.textureName, "");
    if (!set.dark.empty()) {
        // The dark variant: its text colours and focus ring, then its rings and light.
        const VectorButton& d = set.dark.front();
        std::string text;
        if (d.inscription) {
            text = rule(a, textColours(*d.inscription, false)) +
                   rule(a + ":active", textColours(*d.inscription, true));
        }
        out += mediaBlock(kDarkScheme, text + focusRule(a, d.background, ""));
        out += schemeRules(set.dark, set.textureName, kDarkScheme);
    }
    return out;
}

std::string liveElements(const LiveButtons& set) {
    const bool shown = !set.scales.empty() && set.scales.front().inscription;
    std::string out;
    for (const std::string& label : set.labels) {
        out += std::string("<a class=\"") + kClass + "\" href=\"" + kPlaceholderLink + "\"";
        if (shown)
            out += "><span>" + escapeText(label) + "</span></a>\n";
        else
            out += " aria-label=\"" + escapeText(label) + "\"><span></span></a>\n";
    }
    return out;
}

std::string liveSnippet(const LiveButtons& set) {
    return "<style>\n" + liveRules(set) + "</style>\n" + liveElements(set);
}

std::string livePage(const LiveButtons& set) {
    const image::Rgb back = set.scales.empty() ? image::Rgb{} : set.scales.front().background;
    std::string darkPage;
    if (!set.dark.empty()) {
        darkPage = mediaBlock(kDarkScheme, "body {\n  background: " +
                                               hexColour(set.dark.front().background) + ";\n}\n");
    }
    const std::string style =
        "<style>\nbody {\n  margin: 0;\n  padding: 16px;\n  background: " + hexColour(back) +
        ";\n}\n" + darkPage + "." + kClass + " {\n  margin: 12px;\n}\n" + hiddenHeadingRule() +
        liveRules(set) + "</style>\n";
    const std::string title = set.labels.size() == 1 ? set.labels.front() : "Buttons";
    return pageHead(set.language, title, style, "", !set.dark.empty()) + mainStart(title) +
           liveElements(set) + mainEnd() + pageTail();
}

}  // namespace bevelmint::exporter
