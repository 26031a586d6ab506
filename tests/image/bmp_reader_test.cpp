#include "image/bmp_reader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "image/bmp_writer.h"

using namespace bevelmint;
using image::Colour;
using image::makeColor;
using image::Picture;

namespace {

void put16(std::string& b, uint32_t v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>(v >> 8 & 0xFF));
}
void put32(std::string& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// Builds bitmap files of any layout from header fields, palette and pixel bytes.
struct Fixture {
    uint32_t headerSize = 40;
    int32_t width = 0, height = 0;  // negative height: top-down
    uint32_t bits = 24, compression = 0;
    std::vector<Colour> palette;
    std::vector<uint32_t> masks;  // written after a 40-byte header, or inside a longer one
    std::string pixels;

    std::string bytes() const {
        std::string h;
        if (headerSize == 12) {
            put32(h, 12);
            put16(h, width), put16(h, static_cast<uint16_t>(height)), put16(h, 1), put16(h, bits);
        } else {
            put32(h, headerSize);
            put32(h, width), put32(h, static_cast<uint32_t>(height)), put16(h, 1), put16(h, bits);
            put32(h, compression), put32(h, static_cast<uint32_t>(pixels.size()));
            put32(h, 2835), put32(h, 2835), put32(h, static_cast<uint32_t>(palette.size())),
                put32(h, 0);
            for (uint32_t m : masks)
                put32(h, m);
            h.resize(headerSize, '\0');
            if (headerSize == 40) {
                for (uint32_t m : masks)
                    put32(h, m);
            }
        }
        for (Colour c : palette) {
            h.push_back(static_cast<char>(c >> 16 & 0xFF));
            h.push_back(static_cast<char>(c >> 8 & 0xFF));
            h.push_back(static_cast<char>(c & 0xFF));
            if (headerSize != 12) h.push_back('\0');
        }
        std::string f = "BM";
        put32(f, static_cast<uint32_t>(14 + h.size() + pixels.size()));
        put32(f, 0);
        put32(f, static_cast<uint32_t>(14 + h.size()));
        return f + h + pixels;
    }
};

constexpr int kW = 13, kH = 5;

Colour paletteColour(int i) {
    return makeColor(17 * i % 256, 255 - 9 * i % 256, 3 * i);
}
int indexAt(int x, int y, int bits) {
    return (x + 3 * y) % (1 << bits);
}
Colour trueColour(int x, int y) {
    return makeColor(19 * x, 40 * y + 7, 5 * x * y % 256);
}

// Packs rows (top row first in the picture) in file order.
std::string packRows(int bits, bool topDown, const std::function<uint32_t(int, int)>& value) {
    const int stride = (kW * bits + 31) / 32 * 4;
    std::string out;
    for (int r = 0; r < kH; ++r) {
        const int y = topDown ? r : kH - 1 - r;
        std::string row(stride, '\0');
        for (int x = 0; x < kW; ++x) {
            const uint32_t v = value(x, y);
            if (bits < 8) {
                const int bit = x * bits;
                row[bit / 8] = static_cast<char>(row[bit / 8] | v << (8 - bits - bit % 8));
            } else {
                for (int k = 0; k < bits / 8; ++k)
                    row[x * bits / 8 + k] = static_cast<char>(v >> 8 * k);
            }
        }
        out += row;
    }
    return out;
}

Picture decoded(const Fixture& f) {
    Picture p;
    auto error = image::decodeBmp(f.bytes(), p);
    EXPECT_FALSE(error) << *error;
    return p;
}

std::string refusal(const std::string& bytes) {
    Picture p;
    auto error = image::decodeBmp(bytes, p);
    return error ? *error : std::string();
}

}  // namespace

TEST(BmpReader, PaletteDepthsInBothRowOrdersAndHeaderKinds) {
    for (int bits : {1, 2, 4, 8}) {
        for (bool topDown : {false, true}) {
            for (uint32_t headerSize : {12u, 40u, 108u, 124u}) {
                if (headerSize == 12 && (topDown || bits == 2)) continue;
                Fixture f;
                f.headerSize = headerSize, f.width = kW, f.height = topDown ? -kH : kH,
                f.bits = bits;
                for (int i = 0; i < (1 << bits); ++i)
                    f.palette.push_back(paletteColour(i));
                f.pixels =
                    packRows(bits, topDown, [&](int x, int y) { return indexAt(x, y, bits); });
                Picture p = decoded(f);
                ASSERT_EQ(p.width(), kW);
                ASSERT_EQ(p.height(), kH);
                for (int y = 0; y < kH; ++y)
                    for (int x = 0; x < kW; ++x)
                        ASSERT_EQ(p.pixel(x, y), paletteColour(indexAt(x, y, bits)))
                            << bits << " bits, header " << headerSize << " at " << x << "," << y;
            }
        }
    }
}

TEST(BmpReader, TrueColourDepthsAndBitFields) {
    struct Case {
        int bits;
        uint32_t compression;
        std::vector<uint32_t> masks;
        uint32_t headerSize;
        std::function<uint32_t(Colour)> pack;
        std::function<Colour(Colour)> expect;
    };
    auto r = [](Colour c) { return c & 0xFF; };
    auto g = [](Colour c) { return c >> 8 & 0xFF; };
    auto b = [](Colour c) { return c >> 16 & 0xFF; };
    auto scale = [](uint32_t v, int bits) {
        return (v * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1);
    };
    const std::vector<Case> cases = {
        {24,
         0,
         {},
         40,
         [&](Colour c) { return b(c) | g(c) << 8 | r(c) << 16; },
         [](Colour c) { return c; }},
        {32,
         0,
         {},
         40,
         [&](Colour c) { return b(c) | g(c) << 8 | r(c) << 16; },
         [](Colour c) { return c; }},
        {16,
         0,
         {},
         40,
         [&](Colour c) { return (r(c) >> 3) << 10 | (g(c) >> 3) << 5 | b(c) >> 3; },
         [&](Colour c) {
             return makeColor(scale(r(c) >> 3, 5), scale(g(c) >> 3, 5), scale(b(c) >> 3, 5));
         }},
        {16,
         3,
         {0xF800, 0x07E0, 0x001F},
         40,
         [&](Colour c) { return (r(c) >> 3) << 11 | (g(c) >> 2) << 5 | b(c) >> 3; },
         [&](Colour c) {
             return makeColor(scale(r(c) >> 3, 5), scale(g(c) >> 2, 6), scale(b(c) >> 3, 5));
         }},
        {32,
         3,
         {0x000000FF, 0x0000FF00, 0x00FF0000},
         124,
         [&](Colour c) { return c; },
         [](Colour c) { return c; }},
        {32,
         3,
         {0xFFC00000, 0x003FF000, 0x00000FFC},
         56,  // ten bits a channel
         [&](Colour c) { return (r(c) << 2) << 22 | (g(c) << 2) << 12 | (b(c) << 2) << 2; },
         [&](Colour c) {
             return makeColor(scale(r(c) << 2, 10), scale(g(c) << 2, 10), scale(b(c) << 2, 10));
         }},
    };
    for (const Case& k : cases) {
        for (bool topDown : {false, true}) {
            Fixture f;
            f.headerSize = k.headerSize, f.width = kW, f.height = topDown ? -kH : kH,
            f.bits = k.bits;
            f.compression = k.compression, f.masks = k.masks;
            f.pixels =
                packRows(k.bits, topDown, [&](int x, int y) { return k.pack(trueColour(x, y)); });
            Picture p = decoded(f);
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x)
                    ASSERT_EQ(p.pixel(x, y), k.expect(trueColour(x, y)))
                        << k.bits << " bits, compression " << k.compression << " at " << x << ","
                        << y;
        }
    }
}

TEST(BmpReader, RunLengthEncodings) {
    Fixture f;
    f.width = 6, f.height = 3, f.bits = 8, f.compression = 1;
    for (int i = 0; i < 5; ++i)
        f.palette.push_back(paletteColour(i));
    // bottom row: run of 2 x index 1, absolute 3 indices (padded), end of line
    // middle row: delta right 4 and up 0, then run of 2 x index 4; end of line
    // top row: run of 6 x index 2, end of picture
    f.pixels = std::string(
        "\x02\x01\x00\x03\x02\x03\x04\x00\x00\x00"
        "\x00\x02\x04\x00\x02\x04\x00\x00"
        "\x06\x02\x00\x01",
        22);
    Picture p = decoded(f);
    const int want[3][6] = {{2, 2, 2, 2, 2, 2}, {-1, -1, -1, -1, 4, 4}, {1, 1, 2, 3, 4, -1}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(p.pixel(x, y), want[y][x] < 0 ? image::kBlack : paletteColour(want[y][x]))
                << x << "," << y;

    Fixture f4;
    f4.width = 5, f4.height = 2, f4.bits = 4, f4.compression = 2;
    for (int i = 0; i < 16; ++i)
        f4.palette.push_back(paletteColour(i));
    // bottom: run of 5 alternating 1,2; top: absolute 3 nibbles 7,8,9 then run 2 x 5,5; stops early
    f4.pixels = std::string("\x05\x12\x00\x00\x00\x03\x78\x90\x02\x55", 10);
    Picture q = decoded(f4);
    const int want4[2][5] = {{7, 8, 9, 5, 5}, {1, 2, 1, 2, 1}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(q.pixel(x, y), paletteColour(want4[y][x])) << x << "," << y;

    f.pixels = std::string("\x07\x01\x00\x01", 4);  // a run of 7 in a 6-wide row
    EXPECT_NE(refusal(f.bytes()).find("runs past the picture"), std::string::npos);
    f.pixels = std::string("\x00\x02\x00\x05\x01\x01", 6);  // delta beyond the top
    EXPECT_NE(refusal(f.bytes()).find("runs past the picture"), std::string::npos);
    f.pixels = std::string("\x02\x09\x00\x01", 4);
    EXPECT_NE(refusal(f.bytes()).find("beyond its palette of 5"), std::string::npos);
}

TEST(BmpReader, DamagedFilesAreRefusedWithTheirFault) {
    Fixture good;
    good.width = 4, good.height = 2, good.bits = 24;
    good.pixels = std::string(24, '\x40');
    const std::string bytes = good.bytes();
    Picture untouched(3, 3, makeColor(1, 2, 3));
    Picture p = untouched;
    EXPECT_FALSE(image::decodeBmp(bytes, p));

    EXPECT_NE(refusal("GIF89a....................").find("not a Windows bitmap"),
              std::string::npos);
    EXPECT_NE(refusal("").find("not a Windows bitmap"), std::string::npos);
    EXPECT_NE(refusal(bytes.substr(0, 30)).find("cut short"), std::string::npos);
    EXPECT_NE(refusal(bytes.substr(0, bytes.size() - 5)).find("cut short"), std::string::npos);
    Fixture f = good;
    f.width = 0;
    EXPECT_NE(refusal(f.bytes()).find("width or height of 0"), std::string::npos);
    f = good, f.height = 20000;
    EXPECT_NE(refusal(f.bytes()).find("larger than 16384"), std::string::npos);
    f = good, f.compression = 4;
    EXPECT_NE(refusal(f.bytes()).find("compression 4"), std::string::npos);
    f = good, f.bits = 7;
    EXPECT_NE(refusal(f.bytes()).find("bit count 7"), std::string::npos);
    f = good, f.bits = 8, f.palette = {1, 2},
    f.pixels = std::string("\x01\x01\x05\x00\x00\x00\x00\x00", 8);
    EXPECT_NE(refusal(f.bytes()).find("colour 5 beyond its palette of 2"), std::string::npos);
    f = good, f.headerSize = 200;
    EXPECT_NE(refusal(f.bytes()).find("header size 200"), std::string::npos);

    // A refused file leaves the caller's picture as it was.
    p = untouched;
    EXPECT_TRUE(image::decodeBmp(bytes.substr(0, 40), p));
    EXPECT_EQ(p, untouched);
}

TEST(BmpReader, ReadsWhatTheWriterWritesAndNamesMissingFiles) {
    const auto dir = std::filesystem::temp_directory_path() / "bevelmint-bmp-reader";
    std::filesystem::create_directories(dir);
    Picture pic(31, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 31; ++x)
            pic.setPixel(x, y, trueColour(x, y));
    const std::string path = (dir / "round.bmp").string();
    ASSERT_FALSE(base::writeFileReplacing(path, image::encodeBmp(pic, 31, 9)));
    Picture back;
    ASSERT_FALSE(image::readBmp(path, back));
    EXPECT_EQ(back, pic);

    const std::string missing = (dir / "missing.bmp").string();
    auto error = image::readBmp(missing, back);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Cannot read " + missing + ": there is no such file");
    std::ofstream(dir / "junk.bmp") << "not a picture at all";
    error = image::readBmp((dir / "junk.bmp").string(), back);
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("junk.bmp\": it is not a Windows bitmap."), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(BmpReader, RefusesDevicesPipesAndFilesLargerThanTheirPicture) {
    const auto dir = std::filesystem::temp_directory_path() / "bevelmint-bmp-special";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string fifo = (dir / "pipe.bmp").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Picture p;
    for (const std::string& path : {std::string("/dev/zero"), fifo}) {
        auto error = image::readBmp(path, p);  // must return, not block or grow
        ASSERT_TRUE(error) << path;
        EXPECT_EQ(error->message, "Cannot read " + path + ": it is not a regular file");
    }

    // 31 x 9 at 24 bits: rows of 96 bytes; the headers, masks and room on top.
    const std::string bytes = image::encodeBmp(Picture(31, 9, 5), 31, 9);
    EXPECT_EQ(image::bmpSizeBound(bytes), 14u + 40 + 16 + 96 * 9 + image::kBitmapSlackBytes);
    EXPECT_EQ(image::bmpSizeBound("not a bitmap"), UINT64_MAX);
    const std::string padded = (dir / "padded.bmp").string();
    std::ofstream(padded, std::ios::binary) << bytes << std::string(image::kBitmapSlackBytes, 'x');
    EXPECT_FALSE(image::readBmp(padded, p));
    std::ofstream(padded, std::ios::app | std::ios::binary) << std::string(200, 'x');
    auto error = image::readBmp(padded, p);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Cannot read " + padded + ": the file is too large");
    std::filesystem::remove_all(dir);
}
