#pragma once

#include <optional>
#include <string>

#include "base/file_io.h"
#include "image/color.h"

namespace bevelmint::exporter {

// The placeholder link the user replaces with the button's target.
inline constexpr const char* kPlaceholderLink = "http://www.your-site.example/";

// Escapes the characters that would end or break an HTML attribute value.
std::string escapeAttribute(const std::string& text);

// A file name as a relative URL: everything but ASCII letters, digits and
// "-._~@" percent-encoded from its UTF-8 bytes, so spaces, "#", "?", quotes or
// "<" in a name can neither break the markup nor change what the URL means.
std::string urlFromName(const std::string& name);

// A colour as "#rrggbb".
std::string hexColour(image::Rgb c);

// The rollover fragment: an image in a link, with the two mouse handlers that
// swap in the pressed picture when it was exported too. Lines end CR LF, except
// the closing line of the variant without the pressed picture.
std::string htmlFragment(const std::string& exportFileName,
                         const std::string& exportPressedFileName, const std::string& altText,
                         bool withPressed);

// The HTML page around a fragment (the edit box's text as the user left it).
std::string htmlPage(const std::string& fragment);

// Writes the page; the error names the failure ("File access denied", ...).
std::optional<base::FileError> writeHtmlPage(const std::string& fragment, const std::string& path);

}  // namespace bevelmint::exporter
