#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bevelmint::exporter {

// GIF LZW with minimum code size 8: codes from 9 to 12 bits, packed least
// significant bit first, fed one palette index at a time.
class LzwCoder {
  public:
    // For at most `pixels` indices: the output buffer is sized up front for the
    // worst case of that many, so that writing a code is a plain store.
    explicit LzwCoder(size_t pixels);
    void add(uint8_t k) {
        if (prefix_ < 0) {
            prefix_ = k;
            return;
        }
        const uint32_t key = static_cast<uint32_t>(prefix_) << 8 | k;
        uint32_t slot = (key * 2654435761u) >> 18;
        for (;; slot = (slot + 1) & kMask) {
            const uint32_t held = slots_[slot];
            if (held >> 12 == key) {
                prefix_ = static_cast<int>(held & 0xFFF);
                return;
            }
            if (held == kEmpty) break;
        }
        put(prefix_);
        if (next_ <= kLastString) {
            slots_[slot] = key << 12 | static_cast<uint32_t>(next_++);
        } else {
            restart();
        }
        prefix_ = k;
    }
    // The code stream ended with the end code (not yet in sub-blocks); the last
    // call, as it hands the buffer over.
    std::string finish();

  private:
    static constexpr int kClear = 256;
    static constexpr int kEnd = 257;
    static constexpr int kFirstFree = 258;
    static constexpr int kLastString = 4094;  // strings get codes up to this one
    static constexpr int kMaxWidth = 12;

    // After each code the width grows once the next free code no longer fits.
    void put(int code) {
        acc_ |= static_cast<uint64_t>(code) << bits_;
        bits_ += width_;
        if (bits_ >= 32) {
            const uint64_t word = acc_;
            char* at = out_.data() + size_;
            for (int k = 0; k < 4; ++k)
                at[k] = static_cast<char>((word >> (8 * k)) & 0xFF);
            size_ += 4;
            acc_ = word >> 32;
            bits_ -= 32;
        }
        if (next_ > (1 << width_) - 1 && width_ < kMaxWidth) ++width_;
    }
    // A full table: a clear code, and the table starts again. Rare, and out of
    // the way of the loops that feed the coder.
    [[gnu::cold]] void restart();

    // String table: the code of (prefix code, next index), in an open-addressing
    // hash table four times the size of the largest table. A slot packs the 20-bit
    // key above the 12-bit code; prefix 4095 never occurs, so all ones marks an
    // empty slot.
    static constexpr uint32_t kSize = 16384, kMask = kSize - 1, kEmpty = 0xFFFFFFFF;
    std::array<uint32_t, kSize> slots_;
    int prefix_ = -1;  // the code of the string read so far, none before the first index
    int width_ = 9;
    int next_ = kFirstFree;
    std::string out_;
    size_t size_ = 0;
    uint64_t acc_ = 0;
    int bits_ = 0;
};

// The whole code stream of the indices.
std::string lzwEncode(const std::vector<uint8_t>& indices);

}  // namespace bevelmint::exporter
