#pragma once

#include <cstdint>

namespace bevelmint::editor {

// One part of what the editor holds; a view refreshes the parts it shows.
enum class Aspect : uint32_t {
    shape = 1u << 0,     // outline, size, depth, roundness, smoothing, size limits
    colours = 1u << 1,   // button, text and background colours
    light = 1u << 2,     // position, centre, radius, intensity, fade-out, lit front
    text = 1u << 3,      // inscription, font, offsets, engraved look
    texture = 1u << 4,   // the texture pictures, their use, brightness, stretched preview
    exports = 1u << 5,   // format, pressed picture, JPEG settings, export paths
    editMode = 1u << 6,  // fast or real edit mode
    document = 1u << 7,  // document path, unsaved-changes mark, last file
    history = 1u << 8,   // what can be undone or redone
    pictures = 1u << 9,  // a new render of the pictures (or of the hover picture alone)
    web = 1u << 10,      // the web export's formats, scales, names, markup, labels, dark scheme
};

// A set of aspects.
class Changes {
  public:
    constexpr Changes() = default;
    // Implicit: an aspect stands for the set of it alone.
    constexpr Changes(Aspect a) : bits_(static_cast<uint32_t>(a)) {}

    constexpr bool has(Aspect a) const { return (bits_ & static_cast<uint32_t>(a)) != 0; }
    constexpr bool any() const { return bits_ != 0; }
    constexpr bool operator==(const Changes&) const = default;
    constexpr Changes operator|(Changes o) const { return fromBits(bits_ | o.bits_); }
    constexpr Changes& operator|=(Changes o) { return *this = *this | o; }
    constexpr Changes operator&(Changes o) const { return fromBits(bits_ & o.bits_); }

  private:
    static constexpr Changes fromBits(uint32_t bits) {
        Changes c;
        c.bits_ = bits;
        return c;
    }
    uint32_t bits_ = 0;
};

constexpr Changes operator|(Aspect a, Aspect b) {
    return Changes(a) | Changes(b);
}

// The aspects that make up the design: what undo restores and a save stores.
inline constexpr Changes kDesignAspects = Aspect::shape | Aspect::colours | Aspect::light |
                                          Aspect::text | Aspect::texture | Aspect::exports |
                                          Aspect::web;

}  // namespace bevelmint::editor
