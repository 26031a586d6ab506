#include "export/gif/lzw_encoder.h"

namespace bevelmint::exporter {

// Each pixel ends at most one code, and a clear code follows at least 3,800 others.
LzwCoder::LzwCoder(size_t pixels) : out_((pixels + pixels / 1024 + 8) * 2, '\0') {
    slots_.fill(kEmpty);
    put(kClear);
}

void LzwCoder::restart() {
    put(kClear);
    slots_.fill(kEmpty);
    width_ = 9;
    next_ = kFirstFree;
}

std::string LzwCoder::finish() {
    if (prefix_ >= 0) put(prefix_);
    put(kEnd);
    for (; bits_ > 0; bits_ -= 8, acc_ >>= 8)
        out_[size_++] = static_cast<char>(acc_ & 0xFF);
    out_.resize(size_);
    return std::move(out_);
}

std::string lzwEncode(const std::vector<uint8_t>& indices) {
    LzwCoder coder(indices.size());
    for (const uint8_t k : indices)
        coder.add(k);
    return coder.finish();
}

}  // namespace bevelmint::exporter
