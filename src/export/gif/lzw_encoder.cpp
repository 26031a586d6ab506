#include "export/gif/lzw_encoder.h"

#include <array>
#include <cstdint>

namespace bevelmint::exporter {

namespace {

constexpr int kClear = 256;
constexpr int kEnd = 257;
constexpr int kFirstFree = 258;
constexpr int kLastString = 4094;  // strings get codes up to this one
constexpr int kMaxWidth = 12;

// Codes packed least significant bit first into a buffer sized for the worst
// case up front, so that writing is a plain store.
class BitSink {
  public:
    // Each pixel ends at most one code, and a clear code follows at least 3,800 others.
    explicit BitSink(size_t pixels) : out_((pixels + pixels / 1024 + 8) * 2, '\0') {}
    void put(int code, int width) {
        acc_ |= static_cast<uint64_t>(code) << bits_;
        bits_ += width;
        if (bits_ >= 32) {
            for (int k = 0; k < 4; ++k)
                out_[size_++] = static_cast<char>((acc_ >> (8 * k)) & 0xFF);
            acc_ >>= 32;
            bits_ -= 32;
        }
    }
    std::string finish() {
        for (; bits_ > 0; bits_ -= 8, acc_ >>= 8)
            out_[size_++] = static_cast<char>(acc_ & 0xFF);
        out_.resize(size_);
        return std::move(out_);
    }

  private:
    std::string out_;
    size_t size_ = 0;
    uint64_t acc_ = 0;
    int bits_ = 0;
};

// String table: the code of (prefix code, next index), in an open-addressing hash
// table about twice the size of the largest table, so clearing stays cheap. A
// slot packs the 20-bit key above the 12-bit code; prefix 4095 never occurs, so
// all ones marks an empty slot.
class StringTable {
  public:
    StringTable() { clear(); }
    // The string's code, or -1 with `slot` left where it would go.
    int find(int prefix, uint8_t k, uint32_t& slot) const {
        const uint32_t key = static_cast<uint32_t>(prefix) << 8 | k;
        for (slot = (key * 2654435761u) >> 18;; slot = (slot + 1) & kMask) {
            const uint32_t held = slots_[slot];
            if (held >> 12 == key) return static_cast<int>(held & 0xFFF);
            if (held == kEmpty) return -1;
        }
    }
    void add(uint32_t slot, int prefix, uint8_t k, int code) {
        slots_[slot] = (static_cast<uint32_t>(prefix) << 8 | k) << 12 | static_cast<uint32_t>(code);
    }
    void clear() { slots_.fill(kEmpty); }

  private:
    static constexpr uint32_t kSize = 16384, kMask = kSize - 1, kEmpty = 0xFFFFFFFF;
    std::array<uint32_t, kSize> slots_;
};

}  // namespace

std::string lzwEncode(const std::vector<uint8_t>& indices) {
    BitSink sink(indices.size());
    StringTable table;
    int width = 9;
    int next = kFirstFree;
    // After each code the width grows once the next free code no longer fits.
    auto write = [&](int code) {
        sink.put(code, width);
        if (next > (1 << width) - 1 && width < kMaxWidth) ++width;
    };
    write(kClear);
    if (indices.empty()) {
        write(kEnd);
        return sink.finish();
    }
    int prefix = indices[0];
    uint32_t slot = 0;
    for (size_t i = 1; i < indices.size(); ++i) {
        const uint8_t k = indices[i];
        const int found = table.find(prefix, k, slot);
        if (found >= 0) {
            prefix = found;
            continue;
        }
        write(prefix);
        if (next <= kLastString) {
            table.add(slot, prefix, k, next++);
        } else {
            write(kClear);
            table.clear();
            width = 9;
            next = kFirstFree;
        }
        prefix = k;
    }
    write(prefix);
    write(kEnd);
    return sink.finish();
}

}  // namespace bevelmint::exporter
