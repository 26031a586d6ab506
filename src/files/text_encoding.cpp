#include "files/text_encoding.h"

#include "base/utf8.h"

#include <cstdint>

namespace bevelmint::files {

namespace {

// Code points of 0x80..0x9F; the five unassigned bytes keep their C1 value.
constexpr uint16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string windows1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (unsigned char c : text)
        base::appendUtf8(out, c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c);
    return out;
}

std::string decodeTextLine(const std::string& raw) {
    return base::isValidUtf8(raw) ? raw : windows1252ToUtf8(raw);
}

}  // namespace bevelmint::files
