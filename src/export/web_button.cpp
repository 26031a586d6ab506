#include "export/web_button.h"

#include "export/html_snippet.h"

namespace bevelmint::exporter {

std::string pageHead(const std::string& title, const std::string& headExtra,
                     const std::string& bodyAttributes) {
    return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
           escapeAttribute(title) + "</title>\n" + headExtra + "</head>\n<body" + bodyAttributes +
           ">\n";
}

std::string pageTail() {
    return "</body>\n</html>\n";
}

}  // namespace bevelmint::exporter
