// The public BMP conformance suite, read from the shared folder beside the checkout.
#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "image/bmp_reader.h"

namespace fs = std::filesystem;
using namespace bevelmint;

namespace {

const fs::path kSuite = BEVELMINT_BMPSUITE_DIR;

// Says why the suite's cases did not run and how to run them.
std::string missingSuite() {
    return "no BMP conformance suite at " + kSuite.string() +
           "; to run these cases, configure with -DBEVELMINT_BMPSUITE_DIR=FOLDER naming a copy "
           "with its g/, q/, b/ folders and ref/map.tsv";
}

bool readPng(const fs::path& path, image::Picture& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> buffer(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) return false;
    out = image::Picture(static_cast<int>(image.width), static_cast<int>(image.height));
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const png_byte* p = &buffer[(static_cast<size_t>(y) * image.width + x) * 4];
            out.setPixel(x, y, image::makeColor(p[0], p[1], p[2]));
        }
    return true;
}

std::map<std::string, std::string> references() {
    std::map<std::string, std::string> refs;
    std::ifstream in(kSuite / "ref" / "map.tsv");
    std::string bmp, png;
    while (in >> bmp >> png)
        refs[bmp] = png;
    return refs;
}

}  // namespace

TEST(BmpSuite, GoodFilesLoadAndMatchTheirReferences) {
    if (!fs::is_directory(kSuite)) GTEST_SKIP() << missingSuite();
    const auto refs = references();
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(kSuite / "g")) {
        const std::string name = "g/" + entry.path().filename().string();
        image::Picture picture;
        auto error = image::readBmp(entry.path().string(), picture);
        ASSERT_FALSE(error) << error->message;
        auto ref = refs.find(name);
        if (ref == refs.end() || ref->second == "-") continue;
        image::Picture want;
        ASSERT_TRUE(readPng(kSuite / "ref" / ref->second, want)) << ref->second;
        if (name == "g/pal8nonsquare.bmp") {  // its reference is stretched
            EXPECT_EQ(picture.width(), want.width());
            continue;
        }
        EXPECT_EQ(picture, want) << name;
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

TEST(BmpSuite, QuestionableAndBadFilesLoadOrAreRefusedWithAMessage) {
    if (!fs::is_directory(kSuite)) GTEST_SKIP() << missingSuite();
    for (const char* dir : {"q", "b", "x"}) {
        if (!fs::is_directory(kSuite / dir)) continue;
        for (const auto& entry : fs::directory_iterator(kSuite / dir)) {
            image::Picture picture;
            auto error = image::readBmp(entry.path().string(), picture);
            if (error) {
                EXPECT_NE(error->message.find(entry.path().filename().string()), std::string::npos);
            } else {
                EXPECT_GT(picture.width() * picture.height(), 0) << entry.path();
            }
        }
    }
}
