#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <set>

#include "export/gif/gif_writer.h"
#include "export/gif/octree_quantizer.h"

using namespace bevelmint;
using image::makeColor;
using image::Picture;
using image::Rgb;

namespace {

struct Decoded {
    std::string version;
    int width = 0, height = 0;
    int transparent = -1;
    std::vector<Rgb> palette;
    std::vector<uint8_t> indices;
};

int readMemory(GifFileType* gif, GifByteType* out, int n) {
    auto* src = static_cast<std::pair<const std::string*, size_t>*>(gif->UserData);
    const int k = static_cast<int>(std::min<size_t>(n, src->first->size() - src->second));
    std::memcpy(out, src->first->data() + src->second, k);
    src->second += k;
    return k;
}

// Decodes with giflib, independently of the encoder.
Decoded decodeWithGiflib(const std::string& bytes) {
    Decoded d;
    std::pair<const std::string*, size_t> src{&bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&src, readMemory, &error);
    EXPECT_NE(gif, nullptr) << GifErrorString(error);
    if (!gif) return d;
    EXPECT_EQ(DGifSlurp(gif), GIF_OK) << GifErrorString(gif->Error);
    d.version = bytes.substr(3, 3);
    d.width = gif->SWidth, d.height = gif->SHeight;
    EXPECT_EQ(gif->ImageCount, 1);
    const SavedImage& image = gif->SavedImages[0];
    EXPECT_EQ(gif->SColorMap, nullptr);
    const ColorMapObject* map = image.ImageDesc.ColorMap;
    EXPECT_NE(map, nullptr);
    for (int i = 0; map && i < map->ColorCount; ++i)
        d.palette.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
    d.indices.assign(image.RasterBits,
                     image.RasterBits + image.ImageDesc.Width * image.ImageDesc.Height);
    GraphicsControlBlock gcb;
    if (image.ExtensionBlockCount > 0 && DGifSavedExtensionToGCB(gif, 0, &gcb) == GIF_OK)
        d.transparent = gcb.TransparentColor;
    DGifCloseFile(gif, &error);
    return d;
}

// Checks a GIF against what the encoder meant, through giflib.
void expectDecodesTo(const std::string& bytes, const exporter::IndexPicture& meant,
                     bool transparent) {
    const Decoded d = decodeWithGiflib(bytes);
    EXPECT_EQ(d.version, transparent ? "89a" : "87a");
    EXPECT_EQ(d.width, meant.width);
    EXPECT_EQ(d.height, meant.height);
    ASSERT_EQ(d.palette.size(), 256u);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(d.palette[i], meant.palette[i]) << i;
    EXPECT_EQ(d.indices, meant.indices);
    EXPECT_EQ(d.transparent, transparent ? meant.at(0, meant.height - 1) : -1);
}

// Walks the LZW code stream as a decoder does, checking the code widths.
struct CodeStats {
    int maxWidth = 0;
    std::vector<int> nextAtClear;  // the decoder's next free code at each later clear
};

CodeStats walkCodes(const std::string& gif) {
    size_t at = 6 + 7 + (gif[3] == '8' && gif[4] == '9' ? 8 : 0) + 10 + 768 + 1;
    std::string codes;
    while (static_cast<uint8_t>(gif[at]) != 0) {
        const size_t n = static_cast<uint8_t>(gif[at]);
        EXPECT_LE(n, 255u);
        codes += gif.substr(at + 1, n);
        at += n + 1;
    }
    CodeStats stats;
    int width = 9, next = 258;
    bool first = true;
    size_t bit = 0;
    for (;;) {
        int code = 0;
        for (int k = 0; k < width; ++k, ++bit)
            code |= ((static_cast<uint8_t>(codes[bit / 8]) >> (bit % 8)) & 1) << k;
        stats.maxWidth = std::max(stats.maxWidth, width);
        if (code == 257) break;
        if (code == 256) {
            if (bit > 9) stats.nextAtClear.push_back(next);
            width = 9, next = 258, first = true;
            continue;
        }
        if (!first && next < 4096) ++next;
        first = false;
        if (next == (1 << width) && width < 12) ++width;
    }
    return stats;
}

Picture noise(int w, int h, unsigned seed) {
    Picture p(w, h);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.setPixel(x, y, rng() & 0xFFFFFF);
    return p;
}

}  // namespace

TEST(Gif, AFlatPictureIsOneEntryAndIndexZero) {
    const Picture p(20, 10, makeColor(220, 190, 110));
    const exporter::IndexPicture image = exporter::reduceColours(p, 20, 10);
    EXPECT_EQ(image.palette[0], (Rgb{220, 190, 110}));
    for (int i = 1; i < 256; ++i)
        EXPECT_EQ(image.palette[i], (Rgb{0, 0, 0}));
    EXPECT_EQ(std::set<uint8_t>(image.indices.begin(), image.indices.end()), std::set<uint8_t>{0});
    const std::string bytes = exporter::encodeGif(image, false);
    EXPECT_EQ(bytes.substr(0, 13), std::string("GIF87a\x14\x00\x0a\x00\x77\x00\x00", 13));
    EXPECT_EQ(bytes.substr(13, 10), std::string("\x2c\x00\x00\x00\x00\x14\x00\x0a\x00\x87", 10));
    EXPECT_EQ(bytes.back(), '\x3b');
    expectDecodesTo(bytes, image, false);
}

TEST(Gif, FewColoursKeepTheirOwnEntriesAndCellsAreShared) {
    // 200 colours, distinct in their top five bits: each its own entry, no error.
    Picture p(20, 10);
    for (int i = 0; i < 200; ++i)
        p.setPixel(i % 20, i / 20, makeColor(8 * (i % 32), 8 * (i / 32), 40));
    const exporter::IndexPicture image = exporter::reduceColours(p, 20, 10);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(image.palette[image.indices[i]], image::splitColor(p.pixel(i % 20, i / 20))) << i;
    }
    expectDecodesTo(exporter::encodeGif(image, true), image, true);

    // Two colours sharing a cache cell: both map to the lower entry.
    Picture two(2, 1);
    two.setPixel(0, 0, makeColor(16, 16, 16));
    two.setPixel(1, 0, makeColor(18, 17, 16));
    const exporter::IndexPicture shared = exporter::reduceColours(two, 2, 1);
    EXPECT_EQ(shared.palette[0], (Rgb{16, 16, 16}));
    EXPECT_EQ(shared.palette[1], (Rgb{18, 17, 16}));
    EXPECT_EQ(shared.indices, (std::vector<uint8_t>{0, 0}));
}

TEST(Gif, ReductionFoldsTheNewestDeepestNode) {
    exporter::OctreeQuantizer q;
    for (int r = 0; r < 256; ++r)
        q.add({static_cast<uint8_t>(r), 0, 0});
    EXPECT_EQ(q.leafCount(), 256);
    q.add({0, 0, 1});  // leaf 257: the newest level-7 node, reds 254 and 255, folds
    EXPECT_EQ(q.leafCount(), 256);
    const exporter::Palette p = q.palette();
    EXPECT_EQ(p[0], (Rgb{0, 0, 0}));
    EXPECT_EQ(p[1], (Rgb{0, 0, 1}));
    EXPECT_EQ(p[2], (Rgb{1, 0, 0}));
    EXPECT_EQ(p[254], (Rgb{253, 0, 0}));
    EXPECT_EQ(p[255], (Rgb{254, 0, 0}));  // (254 + 255) div 2
}

TEST(Gif, NoisyPicturesUseClearCodesAndStayWithinTwelveBits) {
    const Picture p = noise(330, 195, 3);
    const exporter::IndexPicture image = exporter::reduceColours(p, 330, 195);
    const std::string bytes = exporter::encodeGif(image, false);
    expectDecodesTo(bytes, image, false);
    const CodeStats stats = walkCodes(bytes);
    EXPECT_EQ(stats.maxWidth, 12);
    ASSERT_FALSE(stats.nextAtClear.empty());
    for (int next : stats.nextAtClear)
        EXPECT_EQ(next, 4095);
}

TEST(Gif, RoundShapesGetTheBottomLeftIndexAsTransparent) {
    Picture p = noise(40, 20, 5);
    p.setPixel(0, 19, makeColor(196, 196, 196));
    const exporter::IndexPicture image = exporter::reduceColours(p, 40, 20);
    const std::string bytes = exporter::encodeGif(image, true);
    EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
    EXPECT_EQ(bytes.substr(13, 7),
              std::string("\x21\xf9\x04\x01\x00\x00", 6) + static_cast<char>(image.at(0, 19)));
    expectDecodesTo(bytes, image, true);
    // One pixel and one row wide pictures encode too.
    const Picture one(1, 1, makeColor(1, 2, 3));
    expectDecodesTo(exporter::encodeGif(exporter::reduceColours(one, 1, 1), false),
                    exporter::reduceColours(one, 1, 1), false);
}

namespace {

// The colour reduction written plainly from its definition, without the
// encoder's caches, candidate lists and runs: a tree of nodes with a reducible
// list per level, a look-up that scans all 256 entries once per cache cell, and
// the ditherer's arithmetic pixel by pixel.
struct PlainOctree {
    struct Node {
        uint64_t count = 0, r = 0, g = 0, b = 0;
        std::unique_ptr<Node> child[8];
        bool leaf = false;
    };
    Node root;
    std::vector<Node*> reducible[8];
    int leaves = 0;

    void add(Rgb c) {
        Node* n = &root;
        for (int level = 0; !n->leaf; ++level) {
            const int bit = 7 - level;
            const int k = ((c.r >> bit) & 1) << 2 | ((c.g >> bit) & 1) << 1 | ((c.b >> bit) & 1);
            if (!n->child[k]) {
                n->child[k] = std::make_unique<Node>();
                if (level + 1 == 8) {
                    n->child[k]->leaf = true;
                    ++leaves;
                } else {
                    reducible[level + 1].push_back(n->child[k].get());
                }
            }
            n = n->child[k].get();
        }
        ++n->count, n->r += c.r, n->g += c.g, n->b += c.b;
        while (leaves > 256) {
            int level = 7;
            while (level > 0 && reducible[level].empty())
                --level;
            Node* folded = reducible[level].empty() ? &root : reducible[level].back();
            if (!reducible[level].empty()) reducible[level].pop_back();
            int children = 0;
            for (auto& ch : folded->child) {
                if (!ch) continue;
                folded->count += ch->count, folded->r += ch->r, folded->g += ch->g,
                    folded->b += ch->b;
                ch.reset();
                ++children;
            }
            folded->leaf = true;
            leaves -= children - 1;
        }
    }
    void walk(const Node& n, exporter::Palette& p, int& next) const {
        if (n.leaf) {
            if (n.count > 0)
                p[next] = {uint8_t(n.r / n.count), uint8_t(n.g / n.count), uint8_t(n.b / n.count)};
            ++next;
            return;
        }
        for (const auto& ch : n.child)
            if (ch && next < 256) walk(*ch, p, next);
    }
};

exporter::IndexPicture plainReduction(const Picture& pic) {
    const int w = pic.width(), h = pic.height();
    PlainOctree tree;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            tree.add(image::splitColor(pic.pixel(x, y)));
    exporter::IndexPicture out;
    out.width = w, out.height = h;
    int next = 0;
    tree.walk(tree.root, out.palette, next);
    std::vector<int> cache(32768, -1);
    for (int i = 0; i < 256; ++i) {
        int& cell = cache[(out.palette[i].r >> 3) << 10 | (out.palette[i].g >> 3) << 5 |
                          (out.palette[i].b >> 3)];
        if (cell < 0) cell = i;
    }
    auto lookUp = [&](int r, int g, int b) {
        int& cell = cache[(r >> 3) << 10 | (g >> 3) << 5 | (b >> 3)];
        if (cell >= 0) return cell;
        int best = 0, bestDistance = 1 << 30;
        for (int i = 0; i < 256; ++i) {
            const int d = std::abs(r - out.palette[i].r) + std::abs(g - out.palette[i].g) +
                          std::abs(b - out.palette[i].b);
            if (d < bestDistance) best = i, bestDistance = d;
        }
        return cell = best;
    };
    out.indices.assign(static_cast<size_t>(w) * h, 0);
    std::vector<int> slots[3];
    for (auto& s : slots)
        s.assign(w + 2, 0);
    for (int y = 0; y < h; ++y) {
        const bool ltr = y % 2 == 0;
        int slot = ltr ? 0 : w + 1;
        int carried[3] = {}, below[3] = {}, belowPrevious[3] = {};
        for (int i = 0; i < w; ++i, slot += ltr ? 1 : -1) {
            const int x = ltr ? i : w - 1 - i;
            const Rgb p = image::splitColor(pic.pixel(x, y));
            const int channel[3] = {p.r, p.g, p.b};
            int value[3];
            for (int k = 0; k < 3; ++k)
                value[k] = std::clamp(channel[k] + (slots[k][slot] + carried[k] + 8) / 16, 0, 255);
            const int index = lookUp(value[0], value[1], value[2]);
            out.indices[static_cast<size_t>(y) * w + x] = static_cast<uint8_t>(index);
            const int entry[3] = {out.palette[index].r, out.palette[index].g, out.palette[index].b};
            for (int k = 0; k < 3; ++k) {
                const int err = value[k] - entry[k];
                if (err == 0) {
                    carried[k] = 0;
                    continue;
                }
                slots[k][slot] = belowPrevious[k] + 3 * err;
                belowPrevious[k] = below[k] + 5 * err;
                below[k] = err;
                carried[k] = 7 * err;
            }
        }
        for (int k = 0; k < 3; ++k)
            slots[k][slot] = belowPrevious[k];
    }
    return out;
}

}  // namespace

// The encoder's fast paths must choose every palette entry and index exactly as
// the plain definition does: on noise, on concentric flat rings with runs of
// one colour, and on smooth gradients with more colours than the palette holds.
TEST(Gif, TheFastReductionMatchesThePlainDefinition) {
    Picture rings(211, 97), gradient(160, 90);
    for (int y = 0; y < 97; ++y)
        for (int x = 0; x < 211; ++x) {
            // About 290 colours in runs along each row.
            const int ring = static_cast<int>(std::hypot(x - 105, 2 * (y - 48))) + (x > 105) * 150;
            rings.setPixel(x, y, makeColor(ring * 5 % 256, 200 - ring % 150, ring * 11 % 256));
        }
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 160; ++x)
            gradient.setPixel(x, y, makeColor(x + y, 3 * y / 2, 255 - x));
    for (const Picture* p : {&rings, &gradient}) {
        const Picture& pic = *p;
        const exporter::IndexPicture fast = exporter::reduceColours(pic, pic.width(), pic.height());
        const exporter::IndexPicture plain = plainReduction(pic);
        EXPECT_EQ(fast.palette, plain.palette);
        EXPECT_EQ(fast.indices, plain.indices);
    }
    const Picture n = noise(150, 80, 11);
    const exporter::IndexPicture fast = exporter::reduceColours(n, 150, 80);
    const exporter::IndexPicture plain = plainReduction(n);
    EXPECT_EQ(fast.palette, plain.palette);
    EXPECT_EQ(fast.indices, plain.indices);
}

namespace {

// FNV-1a, to pin a file's bytes in a line.
uint64_t fingerprint(const std::string& bytes) {
    uint64_t h = 14695981039346656037ull;
    for (const unsigned char c : bytes)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

}  // namespace

// The coder runs beside the ditherer, a row behind it; the file must be the one
// that coding the finished picture gives: with clear codes (noise), with runs
// (wrapping ramps), and for a single pixel, row and column. Two files are also
// pinned to the bytes the plain, slower encoder wrote before.
TEST(Gif, CodingBesideTheDithererWritesTheSameFile) {
    Picture ramps(257, 61);
    for (int y = 0; y < 61; ++y)
        for (int x = 0; x < 257; ++x)
            ramps.setPixel(x, y, makeColor(x * 3 % 256, (x + y) % 256, y * 4));
    const std::vector<Picture> pictures = {noise(330, 195, 7), ramps,
                                           Picture(1, 1, makeColor(9, 8, 7)), noise(97, 1, 2),
                                           noise(1, 53, 4)};
    for (const Picture& p : pictures) {
        for (bool transparent : {false, true}) {
            const std::string together =
                exporter::encodeGifPicture(p, p.width(), p.height(), transparent);
            const std::string apart =
                exporter::encodeGif(exporter::reduceColours(p, p.width(), p.height()), transparent);
            EXPECT_EQ(together, apart) << p.width() << " x " << p.height();
        }
    }
    // An empty picture, which no button is, still makes a file.
    for (const Picture& empty : {Picture(0, 5), Picture(5, 0)})
        EXPECT_EQ(
            exporter::encodeGifPicture(empty, empty.width(), empty.height(), true).substr(0, 6),
            "GIF89a");
    const std::string noisy = exporter::encodeGifPicture(pictures[0], 330, 195, true);
    EXPECT_EQ(noisy.size(), 86938u);
    EXPECT_EQ(fingerprint(noisy), 0x4aa335fa0195494aull);
    const std::string ramped = exporter::encodeGifPicture(ramps, 257, 61, false);
    EXPECT_EQ(ramped.size(), 10341u);
    EXPECT_EQ(fingerprint(ramped), 0x198282b6857787dcull);
}
