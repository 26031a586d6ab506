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

class BitSink {
  public:
    explicit BitSink(size_t codes) { out_.reserve(codes * 12 / 8 + 16); }
    void put(int code, int width) {
        acc_ |= static_cast<uint64_t>(code) << bits_;
        bits_ += width;
        if (bits_ >= 32) {
            for (int k = 0; k < 4; ++k)
                out_.push_back(static_cast<char>((acc_ >> (8 * k)) & 0xFF));
            acc_ >>= 32;
            bits_ -= 32;
        }
    }
    std::string finish() {
        for (; bits_ > 0; bits_ -= 8, acc_ >>= 8)
            out_.push_back(static_cast<char>(acc_ & 0xFF));
        return std::move(out_);
    }

  private:
    std::string out_;
    uint64_t acc_ = 0;
    int bits_ = 0;
};

// String table: the code of (prefix code, next index), in an open-addressing hash
// table about twice the size of the largest table, so clearing stays cheap. A
// slot packs the 20-bit key above the 12-bit code; prefix 4095 never occurs, so
// all ones marks an empty slot.
class StringTable {
  public:
    StringTable() { slots_.fill(kEmpty); }
    int find(int prefix, uint8_t k) const {
        const uint32_t key = static_cast<uint32_t>(prefix) << 8 | k;
        for (uint32_t h = hash(key);; h = (h + 1) & kMask) {
            const uint32_t slot = slots_[h];
            if (slot >> 12 == key) return static_cast<int>(slot & 0xFFF);
            if (slot == kEmpty) return -1;
        }
    }
    void add(int prefix, uint8_t k, int code) {
        const uint32_t key = static_cast<uint32_t>(prefix) << 8 | k;
        uint32_t h = hash(key);
        while (slots_[h] != kEmpty)
            h = (h + 1) & kMask;
        slots_[h] = key << 12 | static_cast<uint32_t>(code);
    }
    void clear() { slots_.fill(kEmpty); }

  private:
    static constexpr uint32_t kSize = 8192, kMask = kSize - 1, kEmpty = 0xFFFFFFFF;
    static uint32_t hash(uint32_t key) { return (key * 2654435761u) >> 19; }
    std::array<uint32_t, kSize> slots_;
};

}  // namespace

std::string lzwEncode(const std::vector<uint8_t>& indices) {
    BitSink sink(indices.size() + 2);
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
    for (size_t i = 1; i < indices.size(); ++i) {
        const uint8_t k = indices[i];
        const int found = table.find(prefix, k);
        if (found >= 0) {
            prefix = found;
            continue;
        }
        write(prefix);
        if (next <= kLastString) {
            table.add(prefix, k, next++);
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
