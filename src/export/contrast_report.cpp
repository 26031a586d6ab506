#include "export/contrast_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "export/html_snippet.h"
#include "render/inscription.h"
#include "render/render_pipeline.h"

namespace bevelmint::exporter {

namespace {

double linear(uint8_t v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

std::optional<image::Rgb> medianColour(std::vector<image::Rgb> pixels) {
    if (pixels.empty()) return std::nullopt;
    auto middle = pixels.begin() + static_cast<std::ptrdiff_t>(pixels.size() / 2);
    std::nth_element(pixels.begin(), middle, pixels.end(), [](image::Rgb a, image::Rgb b) {
        return relativeLuminance(a) < relativeLuminance(b);
    });
    return *middle;
}

ContrastCheck contrastCheck(image::Rgb fore, image::Rgb back, double minimum) {
    return {fore, back, contrastRatio(fore, back), minimum};
}

ButtonReport reportFor(const state::FontDesc& font, const std::string& label) {
    ButtonReport r;
    r.label = label;
    r.nameEmpty = label.find_first_not_of(" \t\r\n") == std::string::npos;
    r.largeText = font.size >= 18 || (font.size >= 14 && font.bold);
    return r;
}

double relativeLuminance(image::Rgb c) {
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrastRatio(image::Rgb a, image::Rgb b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool ButtonReport::passes() const {
    return (!text || text->passes()) && (!edge.required || edge.passes()) && sizePasses() &&
           !nameEmpty;
}

std::vector<bool> inscriptionInk(const state::ButtonState& s, render::TextEngine& text) {
    const int w = s.buttonWidth, h = s.buttonHeight;
    std::vector<bool> ink(static_cast<size_t>(w) * h, false);
    if (!s.useText) return ink;
    // The inscription pass itself, in white on black: every copy it draws shows.
    state::ButtonState white = s;
    white.textRed = white.textGreen = white.textBlue = 255;
    image::Picture normal(w, h, image::kBlack), pressed(w, h, image::kBlack);
    render::paintInscription(white, normal, pressed, text);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ink[static_cast<size_t>(y) * w + x] = normal.pixel(x, y) != image::kBlack;
    return ink;
}

ButtonReport reportButton(const state::ButtonState& s, const image::Picture& normal,
                          const std::vector<bool>& ink) {
    const int w = s.buttonWidth, h = s.buttonHeight;
    const render::RoundShape shape = render::shapeAtInset(s, 0);
    // The outline's columns row by row, found once: every pixel asks for them.
    std::vector<render::Span> rows(static_cast<size_t>(std::max(h, 0)));
    for (int y = 0; y < h; ++y)
        if (!shape.span(y, rows[y])) rows[y] = {};
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && rows[y].contains(x);
    };
    auto inked = [&](int x, int y) { return ink[static_cast<size_t>(y) * w + x]; };
    auto rgb = [&](int x, int y) { return image::splitColor(normal.pixel(x, y)); };

    ButtonReport r = reportFor(s.textFont, s.buttonText);
    r.width = w;
    r.height = h;

    int x1 = w, y1 = h, x2 = -1, y2 = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (inked(x, y)) {
                x1 = std::min(x1, x), x2 = std::max(x2, x);
                y1 = std::min(y1, y), y2 = std::max(y2, y);
            }
    std::vector<image::Rgb> face;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (!inked(x, y) && inside(x, y)) face.push_back(rgb(x, y));
    if (auto under = medianColour(std::move(face))) {
        r.text = contrastCheck({s.textRed, s.textGreen, s.textBlue}, *under,
                               r.largeText ? kLargeTextMinimum : kTextMinimum);
    }

    std::vector<image::Rgb> rim;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (inside(x, y) &&
                (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1)))
                rim.push_back(rgb(x, y));
    const image::Rgb back{s.backRed, s.backGreen, s.backBlue};
    r.edge = contrastCheck(medianColour(std::move(rim)).value_or(back), back, kEdgeMinimum);
    r.edge.required = !r.text;
    return r;
}

std::string ratioText(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", std::floor(v * 100 + 1e-9) / 100);
    return buf;
}

namespace {

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out + "\"";
}

std::string boolText(bool b) {
    return b ? "true" : "false";
}

std::string checkJson(const ContrastCheck& c, const char* foreName, const char* backName) {
    return std::string("{\"") + foreName + "\": \"" + hexColour(c.fore) + "\", \"" + backName +
           "\": \"" + hexColour(c.back) + "\", \"ratio\": " + ratioText(c.ratio) +
           ", \"minimum\": " + ratioText(c.minimum) + ", \"required\": " + boolText(c.required) +
           ", \"pass\": " + boolText(c.passes()) + "}";
}

}  // namespace

std::string reportJson(const std::vector<ButtonReport>& reports) {
    std::string out = "{\n  \"buttons\": [";
    bool all = true;
    for (size_t i = 0; i < reports.size(); ++i) {
        const ButtonReport& r = reports[i];
        all = all && r.passes();
        out += i ? ",\n    {\n" : "\n    {\n";
        out += "      \"label\": " + jsonString(r.label) + ",\n";
        out += std::string("      \"scheme\": \"") + (r.dark ? "dark" : "light") + "\",\n";
        out +=
            "      \"text\": " + (r.text ? checkJson(*r.text, "colour", "face") : "null") + ",\n";
        out += "      \"largeText\": " + boolText(r.largeText) + ",\n";
        out += "      \"edge\": " + checkJson(r.edge, "colour", "background") + ",\n";
        out += "      \"size\": {\"width\": " + std::to_string(r.width) +
               ", \"height\": " + std::to_string(r.height) +
               ", \"minimum\": " + std::to_string(kMinimumTarget) +
               ", \"required\": true, \"pass\": " + boolText(r.sizePasses()) +
               ", \"target\": " + std::to_string(kLargerTarget) +
               ", \"meetsTarget\": " + boolText(r.meetsLargerTarget()) + "},\n";
        out += "      \"nameEmpty\": " + boolText(r.nameEmpty) + ",\n";
        out += "      \"name\": {\"required\": true, \"pass\": " + boolText(!r.nameEmpty) + "},\n";
        if (!r.notices.empty()) {
            out += "      \"notices\": [";
            for (size_t k = 0; k < r.notices.size(); ++k)
                out += (k ? ", " : "") + jsonString(r.notices[k]);
            out += "],\n";
        }
        out += "      \"pass\": " + boolText(r.passes()) + "\n    }";
    }
    out += reports.empty() ? "],\n" : "\n  ],\n";
    return out + "  \"pass\": " + boolText(all) + "\n}\n";
}

}  // namespace bevelmint::exporter
