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
        nodes_[n] = Node{};
    } else {
        n = static_cast<int32_t>(nodes_.size());
        nodes_.emplace_back();
    }
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
    free_.push_back(n);
}

void OctreeQuantizer::add(image::Rgb c) {
    const uint32_t key = image::makeColor(c);
    CacheEntry& cached = cache_[(key * 2654435761u) >> 20];
    if (cached.colour == key && cached.generation == generation_) {
        Node& leaf = nodes_[cached.leaf];
        ++leaf.count, leaf.red += c.r, leaf.green += c.g, leaf.blue += c.b;
        return;
    }
    if (root_ < 0) root_ = newNode(0);
    int32_t n = root_;
    for (int level = 0;; ++level) {
        if (nodes_[n].leaf) {
            Node& leaf = nodes_[n];
            ++leaf.count, leaf.red += c.r, leaf.green += c.g, leaf.blue += c.b;
            break;
        }
        const int shift = 7 - level;
        const int child =
            ((c.r >> shift) & 1) << 2 | ((c.g >> shift) & 1) << 1 | ((c.b >> shift) & 1);
        if (nodes_[n].children[child] < 0) {
            const int32_t created = newNode(level + 1);
            nodes_[n].children[child] = created;
        }
        n = nodes_[n].children[child];
    }
    cached = {key, n, generation_};
    while (leafCount_ > kMaxColours) {
        reduce();
        ++generation_;
    }
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
        for (int x = 0; x < w; ++x)
            add(image::splitColor(row[x]));
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
