#pragma once

#include <string>

namespace bevelmint::files {

// Older design files hold their texts in the Windows-1252 code page.
std::string windows1252ToUtf8(const std::string& text);
// A text line as held: UTF-8 as it stands, anything else read as Windows-1252.
std::string decodeTextLine(const std::string& raw);

}  // namespace bevelmint::files
