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
    void add(image::Rgb c) { addRun(image::makeColor(c), 1); }
    // The same colour `n` times in a row, as n calls of add() would add it; the
    // colour value's top byte is ignored.
    void addRun(image::Colour c, uint64_t n) {
        c &= 0xFFFFFF;
        const int32_t leaf = cachedLeaf(c);
        if (leaf < 0) {
            addNew(c, n);
            return;
        }
        Node& node = nodes_[leaf];
        node.count += n, node.red += n * (c & 0xFF), node.green += n * (c >> 8 & 0xFF),
            node.blue += n * (c >> 16);
    }
    void addPicture(const image::Picture& picture, int w, int h);
    // Leaves depth first, children in order 0 to 7; the rest of the 256 black.
    Palette palette() const;
    int leafCount() const { return leafCount_; }

  private:
    // The sums and the version first, in the cache line a cached pixel touches.
    struct Node {
        uint64_t count = 0, red = 0, green = 0, blue = 0;
        uint32_t version = 0;  // grows when the node is freed, so a cached index goes stale
        int32_t nextReducible = -1;
        int32_t children[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
        uint8_t level = 0;
        bool leaf = false;
    };

    int32_t newNode(int level);
    void freeNode(int32_t n);
    void reduce();
    // The leaf the colour reaches, creating the nodes on its way.
    int32_t leafFor(image::Rgb c, bool create);
    // The leaf the colour reaches when the caches know it, else -1.
    int32_t cachedLeaf(image::Colour c) const {
        const Shallow& s = shallow_[shallowCell(c)];
        if (s.leaf >= 0 && nodes_[s.leaf].version == s.version) return s.leaf;
        const Cached& e = cache_[cacheCell(c)];
        if (e.colour == c && nodes_[e.at.leaf].version == e.at.version) return e.at.leaf;
        return -1;
    }
    // A colour the caches do not know: its leaf, maybe new, maybe reducing the tree.
    void addNew(image::Colour c, uint64_t n);
    void remember(image::Colour c, int32_t leaf);
    // The top four bits of each channel.
    static uint32_t shallowCell(image::Colour c) {
        return (c >> 4 & 0xF) << 8 | (c >> 12 & 0xF) << 4 | (c >> 20 & 0xF);
    }
    static uint32_t cacheCell(uint32_t colour) { return (colour * 2654435761u) >> 20; }

    static constexpr int kDepth = 8;
    static constexpr int kMaxColours = 256;
    std::vector<Node> nodes_;
    std::vector<int32_t> free_;
    int32_t root_ = -1;
    std::array<int32_t, kDepth> reducible_;  // front of each level's list
    int leafCount_ = 0;
    // A colour reaches the same leaf for as long as that leaf lives. Leaves down
    // to level 4 are found by the top four bits of each channel; deeper ones by
    // the colour itself, in a small direct-mapped cache.
    struct Shallow {
        int32_t leaf = -1;
        uint32_t version = 0;
    };
    struct Cached {
        Shallow at;
        uint32_t colour = 0xFFFFFFFF;
    };
    static constexpr int kShallowLevel = 4;
    std::vector<Shallow> shallow_ = std::vector<Shallow>(4096);
    static constexpr uint32_t kCacheSize = 4096;
    std::vector<Cached> cache_ = std::vector<Cached>(kCacheSize);
};

}  // namespace bevelmint::exporter
