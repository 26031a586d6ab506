#include "export/gif/octree_quantizer.h"

namespace bevelmint::exporter {

OctreeQuantizer::OctreeQuantizer() {
    reducible_.fill(-1);
}

int32_t OctreeQuantizer::newNode(int level) {
    int32_t n;
    if (!free_.empty()) {
        n = free_.back();
        free_.pop_back();
        const uint32_t version = nodes_[n].version;
        nodes_[n] = Node{};
        nodes_[n].version = version;
    } else {
        n = static_cast<int32_t>(nodes_.size());
        nodes_.emplace_back();
    }
    nodes_[n].level = static_cast<uint8_t>(level);
    if (level == kDepth) {
        nodes_[n].leaf = true;
        ++leafCount_;
    } else {
        nodes_[n].nextReducible = reducible_[level];
        reducible_[level] = n;
    }
    return n;
}

void OctreeQuantizer::freeNode(int32_t n) {
    ++nodes_[n].version;
    free_.push_back(n);
}

void OctreeQuantizer::remember(image::Colour c, int32_t leaf) {
    if (nodes_[leaf].level <= kShallowLevel) {
        shallow_[shallowCell(c)] = {leaf, nodes_[leaf].version};
    } else {
        cache_[cacheCell(c)] = {{leaf, nodes_[leaf].version}, c};
    }
}

int32_t OctreeQuantizer::leafFor(image::Rgb c, bool create) {
    if (root_ < 0) root_ = newNode(0);
    int32_t n = root_;
    for (int level = 0; !nodes_[n].leaf; ++level) {
        const int shift = 7 - level;
        const int child =
            ((c.r >> shift) & 1) << 2 | ((c.g >> shift) & 1) << 1 | ((c.b >> shift) & 1);
        if (create && nodes_[n].children[child] < 0) {
            const int32_t created = newNode(level + 1);
            nodes_[n].children[child] = created;
        }
        n = nodes_[n].children[child];
    }
    return n;
}

void OctreeQuantizer::addNew(image::Colour colour, uint64_t n) {
    const image::Rgb c = image::splitColor(colour);
    int32_t leaf = leafFor(c, true);
    if (leafCount_ > kMaxColours) {
        // The first pixel lands before the tree is reduced; the rest of the run
        // in whatever leaf holds the colour afterwards.
        Node& first = nodes_[leaf];
        ++first.count, first.red += c.r, first.green += c.g, first.blue += c.b;
        while (leafCount_ > kMaxColours)
            reduce();
        if (--n == 0) return;
        leaf = leafFor(c, false);
    }
    remember(colour, leaf);
    Node& node = nodes_[leaf];
    node.count += n, node.red += n * c.r, node.green += n * c.g, node.blue += n * c.b;
}

void OctreeQuantizer::reduce() {
    int level = kDepth - 1;
    while (level > 0 && reducible_[level] < 0)
        --level;
    const int32_t n = reducible_[level];
    if (n < 0) return;
    reducible_[level] = nodes_[n].nextReducible;
    int children = 0;
    for (int32_t& child : nodes_[n].children) {
        if (child < 0) continue;
        const Node& c = nodes_[child];
        nodes_[n].count += c.count;
        nodes_[n].red += c.red, nodes_[n].green += c.green, nodes_[n].blue += c.blue;
        freeNode(child);
        child = -1;
        ++children;
    }
    nodes_[n].leaf = true;
    leafCount_ -= children - 1;
}

void OctreeQuantizer::addPicture(const image::Picture& picture, int w, int h) {
    for (int y = 0; y < h; ++y) {
        const image::Colour* row = picture.row(y);
        for (int x = 0; x < w;) {
            int end = x + 1;
            while (end < w && row[end] == row[x])
                ++end;
            addRun(row[x], static_cast<uint64_t>(end - x));
            x = end;
        }
    }
}

Palette OctreeQuantizer::palette() const {
    Palette out{};
    int next = 0;
    // Depth-first walk with an explicit stack, children in order 0 to 7.
    std::vector<int32_t> stack;
    if (root_ >= 0) stack.push_back(root_);
    while (!stack.empty() && next < kMaxColours) {
        const int32_t n = stack.back();
        stack.pop_back();
        const Node& node = nodes_[n];
        if (node.leaf) {
            if (node.count > 0) {
                out[next] = {static_cast<uint8_t>(node.red / node.count),
                             static_cast<uint8_t>(node.green / node.count),
                             static_cast<uint8_t>(node.blue / node.count)};
            }
            ++next;
            continue;
        }
        for (int child = 7; child >= 0; --child)
            if (node.children[child] >= 0) stack.push_back(node.children[child]);
    }
    return out;
}

}  // namespace bevelmint::exporter
