#include "export/html_snippet.h"

#include "base/utf8.h"
#include "render/text_engine.h"

namespace bevelmint::exporter {

std::string escapeAttribute(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

std::string escapeText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (uint32_t cp : render::decodeUtf8(text)) {
        switch (cp) {
            case '&':
                out += "&amp;";
                continue;
            case '<':
                out += "&lt;";
                continue;
            case '>':
                out += "&gt;";
                continue;
            case '"':
                out += "&quot;";
                continue;
            default:
                break;
        }
        const bool forbidden = (cp < 0x20 && cp != '\t') || cp == 0x7F ||
                               (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF ||
                               cp > 0x10FFFF;
        base::appendUtf8(out, forbidden ? 0xFFFD : cp);
    }
    return out;
}

std::string hexColour(image::Rgb c) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "#";
    for (uint8_t v : {c.r, c.g, c.b}) {
        out.push_back(kHex[v >> 4]);
        out.push_back(kHex[v & 15]);
    }
    return out;
}

std::string urlName(const std::string& name) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool atEnd = i == 0 || i + 1 == name.size();
        const bool encode = c < 0x20 || c >= 0x7F || (c == ' ' && atEnd) || c == '#' || c == '%' ||
                            c == '?' || c == '\\' || c == ':';
        if (!encode) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        out += '%';
        out += hex[c >> 4];
        out += hex[c & 0x0F];
    }
    return out;
}

namespace {

// A name inside a single-quoted script string within an attribute.
std::string scriptName(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (c == '\\' || c == '\'') out.push_back('\\');
        out.push_back(c);
    }
    return escapeAttribute(out);
}

}  // namespace

std::string htmlFragment(const std::string& exportFileName,
                         const std::string& exportPressedFileName, const std::string& altText,
                         bool withPressed) {
    const std::string q = "\"", nl = "\r\n";
    const std::string normal = escapeAttribute(urlName(exportFileName));
    std::string out = "<A HREF=" + q + kPlaceholderLink + q + ">" + nl;
    out += "<IMG SRC=" + q + normal + q + nl;
    out += "NAME=pic1 BORDER=0" + nl;
    out += "ALT=" + q + escapeAttribute(altText) + q + nl;
    if (withPressed) {
        out += "onmouseover=" + q + "pic1.src='" + scriptName(urlName(exportPressedFileName)) +
               "'" + q + nl;
        out += "onmouseout=" + q + "pic1.src='" + scriptName(urlName(exportFileName)) + "'" + q +
               "></A>" + nl;
    } else {
        out += "></A>";
    }
    return out;
}

std::string htmlPage(const std::string& fragment) {
    return "<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n" + fragment + "\r\n</HTML>\r\n";
}

}  // namespace bevelmint::exporter
