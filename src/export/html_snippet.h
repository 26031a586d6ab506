#pragma once

#include <optional>
#include <string>

#include "image/color.h"

namespace bevelmint::exporter {

// The placeholder link the user replaces with the button's target.
inline constexpr const char* kPlaceholderLink = "http://www.your-site.example/";

// Escapes the characters that would end or break an HTML attribute value.
std::string escapeAttribute(const std::string& text);

// Text for HTML or XML content and double-quoted attributes: the characters
// that would end or break them escaped, control characters (but tab) and code
// points XML forbids replaced by U+FFFD, and bytes that are not UTF-8 read one
// by one as Latin-1, so the result is always well-formed UTF-8.
std::string escapeText(const std::string& text);

// A colour as "#rrggbb".
std::string hexColour(image::Rgb c);

// A bare file name as a relative URL. Percent-encodes exactly what would change
// its meaning there ("#" starts a fragment, "?" a query, "%" an escape, a
// backslash reads as "/", ":" makes what precedes it a scheme, a space at either
// end is stripped) and what is not printable ASCII (control characters, which
// URL parsers drop, and bytes past 127, which the page's unnamed encoding would
// misread). Any other name stays byte for byte as it is.
std::string urlName(const std::string& name);

// The rollover fragment: an image in a link, with the two mouse handlers that
// swap in the pressed picture when it was exported too; the names become URLs
// (urlName), then attribute and script text. Lines end CR LF, except
// the closing line of the variant without the pressed picture.
std::string htmlFragment(const std::string& exportFileName,
                         const std::string& exportPressedFileName, const std::string& altText,
                         bool withPressed);

// The HTML page around a fragment (the edit box's text as the user left it).
std::string htmlPage(const std::string& fragment);

}  // namespace bevelmint::exporter
