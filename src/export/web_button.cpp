#include "export/web_button.h"

#include "export/html_snippet.h"

namespace bevelmint::exporter {

std::string pageHead(const std::string& language, const std::string& title,
                     const std::string& headExtra, const std::string& bodyAttributes,
                     bool withDark) {
    return "<!DOCTYPE html>\n<html lang=\"" + escapeAttribute(language) +
           "\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n" +
           (withDark ? "<meta name=\"color-scheme\" content=\"light dark\">\n" : "") + "<title>" +
           escapeAttribute(title) + "</title>\n" + headExtra + "</head>\n<body" + bodyAttributes +
           ">\n";
}

std::string pageTail() {
    return "</body>\n</html>\n";
}

std::string mainStart(const std::string& heading) {
    return "<main>\n<h1 class=\"bvm-heading\">" + escapeAttribute(heading) + "</h1>\n";
}

std::string mainEnd() {
    return "</main>\n";
}

std::string hiddenHeadingRule() {
    return ".bvm-heading {\n  position: absolute;\n  width: 1px;\n  height: 1px;\n"
           "  overflow: hidden;\n  clip: rect(0 0 0 0);\n  white-space: nowrap;\n}\n";
}

}  // namespace bevelmint::exporter
