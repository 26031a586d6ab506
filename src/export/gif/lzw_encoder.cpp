#include "export/gif/lzw_encoder.h"

namespace bevelmint::exporter {

namespace {

constexpr int kClear = 256;
constexpr int kEnd = 257;
constexpr int kFirstFree = 258;
constexpr int kLastString = 4094;  // strings get codes up to this one
constexpr int kMaxWidth = 12;

}  // namespace

// Each pixel ends at most one code, and a clear code follows at least 3,800 others.
LzwCoder::LzwCoder(size_t pixels)
    : next_(kFirstFree), out_((pixels + pixels / 1024 + 8) * 2, '\0') {
    slots_.fill(kEmpty);
    put(kClear);
}

// After each code the width grows once the next free code no longer fits.
void LzwCoder::put(int code) {
    acc_ |= static_cast<uint64_t>(code) << bits_;
    bits_ += width_;
    if (bits_ >= 32) {
        for (int k = 0; k < 4; ++k)
            out_[size_++] = static_cast<char>((acc_ >> (8 * k)) & 0xFF);
        acc_ >>= 32;
        bits_ -= 32;
    }
    if (next_ > (1 << width_) - 1 && width_ < kMaxWidth) ++width_;
}

void LzwCoder::newString(uint32_t slot, uint32_t key) {
    put(prefix_);
    if (next_ <= kLastString) {
        slots_[slot] = key << 12 | static_cast<uint32_t>(next_++);
    } else {
        put(kClear);
        slots_.fill(kEmpty);
        width_ = 9;
        next_ = kFirstFree;
    }
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
