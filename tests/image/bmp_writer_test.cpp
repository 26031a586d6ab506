#include "image/bmp_writer.h"
#include "export/picture_export.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

using namespace bevelmint;
using image::makeColor;

namespace {

uint32_t le32(const std::string& b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
           static_cast<uint8_t>(b[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

}  // namespace

TEST(BmpWriter, WritesBottomUpPaddedRowsOfTheTopLeftArea) {
    image::Picture p(10, 10, makeColor(9, 9, 9));
    p.setPixel(0, 0, makeColor(1, 2, 3));  // top left
    p.setPixel(4, 2, makeColor(4, 5, 6));  // bottom right of a 5 x 3 cut
    const std::string b = image::encodeBmp(p, 5, 3);
    const size_t stride = 16;  // 15 bytes padded to 4
    ASSERT_EQ(b.size(), 54 + 3 * stride);
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(le32(b, 2), b.size());
    EXPECT_EQ(le32(b, 10), 54u);
    EXPECT_EQ(le32(b, 14), 40u);
    EXPECT_EQ(le32(b, 18), 5u);
    EXPECT_EQ(le32(b, 22), 3u);
    EXPECT_EQ(le32(b, 28) & 0xFFFF, 24u);
    EXPECT_EQ(le32(b, 30), 0u);
    // The first stored row is the bottom one; pixels are blue, green, red.
    EXPECT_EQ(b.substr(54 + 4 * 3, 3), std::string("\x06\x05\x04", 3));
    EXPECT_EQ(b.substr(54 + 2 * stride, 3), std::string("\x03\x02\x01", 3));
    EXPECT_EQ(b[54 + 15], '\0');
}

TEST(PictureExport, WritesBothOrNeitherAndNamesTheFileThatFailed) {
    const auto dir = std::filesystem::temp_directory_path() / "bevelmint-export-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    state::ButtonState s = state::defaultState();
    s.exportFormat = state::ExportFormat::bmp;
    s.exportPressed = true;
    image::Picture p(335, 199, makeColor(1, 1, 1));
    const std::string normal = (dir / "b.bmp").string(), pressed = (dir / "bp.bmp").string();
    EXPECT_FALSE(exporter::exportPictures(s, p, p, normal, pressed));
    EXPECT_EQ(std::filesystem::file_size(normal), 54u + 40 * 300);  // cut to the button
    EXPECT_EQ(std::filesystem::file_size(pressed), 54u + 40 * 300);

    const std::string missing = (dir / "no" / "such" / "x.bmp").string();
    const std::string fresh = (dir / "fresh.bmp").string();
    auto error = exporter::exportPictures(s, p, p, fresh, missing);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Cannot create file " + missing + ": the folder " +
                                  missing.substr(0, missing.rfind('/')) + " does not exist");
    EXPECT_FALSE(std::filesystem::exists(fresh));  // the pair is written whole or not at all
    // a folder in the way: the write fails, the folder survives, no temporary is left
    std::filesystem::create_directories(dir / "taken.bmp");
    EXPECT_TRUE(exporter::exportPictures(s, p, p, (dir / "taken.bmp").string(), pressed));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.bmp"));
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 3);
    std::filesystem::remove_all(dir);
}
