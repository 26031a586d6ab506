#pragma once

#include <cstdint>
#include <string>

namespace bevelmint::image {

// Little-endian numbers appended to an encoder's output.
inline void put16(std::string& out, uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

inline void put32(std::string& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace bevelmint::image
