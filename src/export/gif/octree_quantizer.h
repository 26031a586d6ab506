#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "image/picture.h"

namespace bevelmint::exporter {

using Palette = std::array<image::Rgb, 256>;

// Octree colour quantisation to at most 256 colours. Pixels are added in
// reading order; whenever the tree holds more than 256 leaves, the most recently
// created inner node of the deepest level that has one is folded into a leaf.
class OctreeQuantizer {
  public:
    OctreeQuantizer();
    void add(image::Rgb c);
    void addPicture(const image::Picture& picture, int w, int h);
    // Leaves depth first, children in order 0 to 7; the rest of the 256 black.
    Palette palette() const;
    int leafCount() const { return leafCount_; }

  private:
    struct Node {
        uint64_t count = 0, red = 0, green = 0, blue = 0;
        int32_t children[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
        int32_t nextReducible = -1;
        bool leaf = false;
    };

    int32_t newNode(int level);
    void freeNode(int32_t n);
    void reduce();

    static constexpr int kDepth = 8;
    static constexpr int kMaxColours = 256;
    std::vector<Node> nodes_;
    std::vector<int32_t> free_;
    int32_t root_ = -1;
    std::array<int32_t, kDepth> reducible_;  // front of each level's list
    int leafCount_ = 0;
    // A colour lands in the same leaf as long as no reduction intervenes: a small
    // direct-mapped cache of colour to leaf, emptied by every reduction.
    struct CacheEntry {
        uint32_t colour = 0xFFFFFFFF;
        int32_t leaf = -1;
        uint32_t generation = 0;
    };
    static constexpr uint32_t kCacheSize = 4096;
    std::vector<CacheEntry> cache_ = std::vector<CacheEntry>(kCacheSize);
    uint32_t generation_ = 1;
};

}  // namespace bevelmint::exporter
