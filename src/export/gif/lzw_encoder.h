#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bevelmint::exporter {

// GIF LZW with minimum code size 8: codes from 9 to 12 bits, packed least
// significant bit first. Returns the packed code stream (not yet in sub-blocks).
std::string lzwEncode(const std::vector<uint8_t>& indices);

}  // namespace bevelmint::exporter
