#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bevelmint::base {

// Well-formed UTF-8: no overlong forms, surrogates or values past U+10FFFF.
bool isValidUtf8(std::string_view text);

// Appends a code point (at most U+10FFFF) in UTF-8.
void appendUtf8(std::string& out, uint32_t cp);

}  // namespace bevelmint::base
