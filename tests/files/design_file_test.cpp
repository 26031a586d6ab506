#include "files/design_file.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "files/text_encoding.h"
#include "image/bmp_reader.h"
#include "image/bmp_writer.h"
#include "state/state_rules.h"

namespace fs = std::filesystem;
using bevelmint::testing::freshDir;
using namespace bevelmint;
using state::ButtonState;

namespace {

std::string encode(const ButtonState& s) {
    std::string bytes;
    EXPECT_FALSE(files::encodeDesign(s, bytes));
    return bytes;
}

ButtonState loadInto(const std::string& bytes, ButtonState s = state::defaultState()) {
    const auto lines = files::parseDesign(bytes);
    EXPECT_TRUE(lines);
    render::TextureImages images;
    if (lines) files::applyDesign(*lines, "/nonexistent/", s, images);
    return s;
}

// The fields a design file stores.
void expectSameDesign(const ButtonState& a, const ButtonState& b) {
    EXPECT_EQ(a.shapeKind, b.shapeKind);
    EXPECT_EQ(a.roundness, b.roundness);
    EXPECT_EQ(a.buttonWidth, b.buttonWidth);
    EXPECT_EQ(a.buttonHeight, b.buttonHeight);
    EXPECT_EQ(a.buttonDepth, b.buttonDepth);
    EXPECT_EQ(std::make_tuple(a.buttonRed, a.buttonGreen, a.buttonBlue),
              std::make_tuple(b.buttonRed, b.buttonGreen, b.buttonBlue));
    EXPECT_EQ(std::make_tuple(a.textRed, a.textGreen, a.textBlue),
              std::make_tuple(b.textRed, b.textGreen, b.textBlue));
    EXPECT_EQ(a.lightPosition, b.lightPosition);
    EXPECT_EQ(a.lightX, b.lightX);
    EXPECT_EQ(a.lightY, b.lightY);
    EXPECT_EQ(a.lightRadius, b.lightRadius);
    EXPECT_EQ(a.lightIntensity, b.lightIntensity);
    EXPECT_EQ(a.borderFade, b.borderFade);
    EXPECT_EQ(a.lightenFront, b.lightenFront);
    EXPECT_EQ(a.useText, b.useText);
    EXPECT_EQ(a.buttonText, b.buttonText);
    EXPECT_EQ(a.textFont, b.textFont);
    EXPECT_EQ(a.text3D, b.text3D);
    EXPECT_EQ(a.textOffsetX, b.textOffsetX);
    EXPECT_EQ(a.textOffsetY, b.textOffsetY);
    EXPECT_EQ(a.stretchPreview, b.stretchPreview);
    EXPECT_EQ(a.exportFormat, b.exportFormat);
    EXPECT_EQ(a.exportPressed, b.exportPressed);
    EXPECT_EQ(a.jpegCompression, b.jpegCompression);
    EXPECT_EQ(a.jpegProgressive, b.jpegProgressive);
    EXPECT_EQ(a.smoothEdges, b.smoothEdges);
    EXPECT_EQ(std::make_tuple(a.backRed, a.backGreen, a.backBlue),
              std::make_tuple(b.backRed, b.backGreen, b.backBlue));
    EXPECT_EQ(a.hoverLift, b.hoverLift);
}

ButtonState randomDesign(std::mt19937& rng) {
    auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    ButtonState s = state::defaultState();
    state::setShapeKind(s, static_cast<state::ShapeKind>(any(0, 2)));
    s.roundness = any(0, 200);
    state::setButtonWidth(s, any(20, 330));
    state::setButtonHeight(s, any(10, 195));
    state::setButtonDepth(s, any(1, s.depthLimit));
    state::setButtonColour(s, any(0, 255), any(0, 255), any(0, 255));
    s.textRed = any(0, 255), s.textGreen = any(0, 255), s.textBlue = any(0, 255);
    state::setLightPosition(s, any(1, 8));
    s.lightRadius = any(1, 200), s.lightIntensity = any(1, 99), s.borderFade = any(1, 99);
    s.lightenFront = any(0, 1), s.useText = any(0, 1);
    const int length = any(0, 3) == 0 ? 300 : any(0, 12);
    s.buttonText.clear();
    for (int i = 0; i < length; ++i)
        s.buttonText.push_back(static_cast<char>(any(32, 126)));
    s.textFont = {any(0, 1) ? "Arial" : "Liberation Serif", any(0, 100), any(0, 1) == 1,
                  any(0, 1) == 1};
    s.text3D = any(0, 1);
    s.textOffsetX = state::textOffsetXRange(s.buttonWidth).clamp(any(-110, 110));
    s.textOffsetY = state::textOffsetYRange(s.buttonHeight).clamp(any(-65, 65));
    s.stretchPreview = any(0, 1);
    s.exportFormat = static_cast<state::ExportFormat>(any(0, 2));
    s.exportPressed = any(0, 1);
    s.jpegCompression = any(0, 100);
    s.jpegProgressive = any(0, 1);
    s.smoothEdges = any(0, 1);
    if (any(0, 1)) s.backRed = any(0, 255), s.backGreen = any(0, 255), s.backBlue = any(0, 255);
    s.hoverLift = any(0, 1) ? 20 : any(0, 98);
    return s;
}

}  // namespace

TEST(DesignFile, DefaultDesignBytes) {
    const std::string bytes = encode(state::defaultState());
    EXPECT_EQ(bytes.substr(0, 18), std::string("\x01\r\n\x0f\r\n100\r\n40\r\n7\r\n", 18));
    const std::string rest = std::string("\xdc\r\n\xbe\r\n\x6e\r\n\0\r\n\0\r\n\0\r\n", 18) +
                             "\x01\r\n\x64\r\n\x28\r\n\x32\r\n\x01\r\n\x01\r\ntext\r\n\x04\r\n"
                             "Arial\r\n" +
                             std::string("\0\r\n\0\r\n\x0c\r\n\0\r\n", 12) + "5\r\n0\r\n" +
                             std::string("\0\r\n\0\r\n\x02\r\n\0\r\n\0\r\n\0\r\n", 18);
    EXPECT_EQ(bytes.substr(18), rest);
    int lines = 0;
    for (size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2)
        ++lines;
    EXPECT_EQ(lines, 32);
}

TEST(DesignFile, RoundTripsVariedDesigns) {
    std::mt19937 rng(42);
    for (int k = 0; k < 300; ++k) {
        ButtonState s = randomDesign(rng);
        if (k < 3) {  // byte fields of 10, 13 and 26 read back as written
            const uint8_t v[3] = {10, 13, 26};
            state::setButtonColour(s, v[k], v[(k + 1) % 3], v[(k + 2) % 3]);
            s.jpegCompression = v[k];
        }
        const ButtonState back = loadInto(encode(s), randomDesign(rng));
        expectSameDesign(back, s);
    }
    ButtonState negative = state::defaultState();
    negative.textOffsetX = -33, negative.textOffsetY = -13;
    const std::string bytes = encode(negative);
    EXPECT_NE(bytes.find("\r\n-33\r\n-13\r\n"), std::string::npos);
    expectSameDesign(loadInto(bytes), negative);
}

TEST(DesignFile, FilesCutShortLoadFromLineNineteenOn) {
    ButtonState s = state::defaultState();
    s.buttonText = "a";  // stored length 1 does not equal 26
    s.jpegProgressive = true;
    const std::string bytes = encode(s);
    size_t at = 0;
    for (int line = 0; line <= 32; ++line) {
        const std::string cut = bytes.substr(0, at);
        EXPECT_EQ(files::parseDesign(cut).has_value(), line >= 19) << "cut after line " << line;
        if (line >= 19 && line < 32) {
            const ButtonState back = loadInto(cut);
            EXPECT_EQ(back.buttonText, "a");
            EXPECT_FALSE(back.jpegProgressive);  // 26 matches no flag value
        }
        at = bytes.find("\r\n", at) + 2;
    }
    // A lone LF ends a line as well.
    std::string unix;
    for (char c : bytes)
        if (c != '\r') unix.push_back(c);
    expectSameDesign(loadInto(unix), s);
}

TEST(DesignFile, OutOfRangeValuesAreClampedOrIgnored) {
    std::string bytes = encode(state::defaultState());
    bytes.replace(bytes.find("100\r\n"), 5, "9999\r\n");
    bytes.replace(bytes.find("\r\n40\r\n") + 2, 4, "-5\r\n");
    ButtonState s = loadInto(bytes);
    EXPECT_EQ(s.buttonWidth, 330);
    EXPECT_EQ(s.buttonHeight, 10);
    EXPECT_EQ(s.buttonDepth, 5);  // 7 is beyond the 10-pixel height's limit

    ButtonState lights = state::defaultState();
    std::string b2 = encode(lights);
    b2[b2.find("\x01\r\n\x64")] = 9;  // light position 9: unchanged
    ButtonState before = state::defaultState();
    state::setLightPosition(before, 6);
    EXPECT_EQ(loadInto(b2, before).lightPosition, 6);
    EXPECT_FALSE(files::parseDesign(std::string("\x01\r\n\x0f\r\n1x0\r\n", 12)).has_value());
}

TEST(DesignFile, ATextWithALineBreakIsNotSaved) {
    ButtonState s = state::defaultState();
    s.buttonText = "two\nlines";
    std::string bytes;
    auto error = files::encodeDesign(s, bytes);
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("inscription"), std::string::npos);
    const fs::path dir = freshDir("bevelmint-design-linebreak");
    std::ofstream(dir / "old.bvm") << "old";
    render::TextureImages images;
    EXPECT_TRUE(files::writeDesignFile((dir / "old.bvm").string(), s, images));
    std::ifstream in(dir / "old.bvm");
    std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "old");
    fs::remove_all(dir);
}

TEST(DesignFile, LegacyTextIsReadAsWindows1252) {
    EXPECT_EQ(files::decodeTextLine("caf\xe9"), "caf\xc3\xa9");
    EXPECT_EQ(files::decodeTextLine("\x80 5"), "\xe2\x82\xac 5");
    EXPECT_EQ(files::decodeTextLine("caf\xc3\xa9"), "caf\xc3\xa9");
    std::string bytes = encode(state::defaultState());
    bytes.replace(bytes.find("text\r\n\x04"), 7, "Gr\xfc\xdf\r\n\x04");  // four raw bytes
    const ButtonState s = loadInto(bytes);
    EXPECT_EQ(s.buttonText, "Gr\xc3\xbc\xc3\x9f");
}

TEST(DesignFile, SavedTextureTravelsWithTheDesign) {
    const fs::path dir = freshDir("bevelmint-design-texture");
    fs::create_directories(dir / "a");
    fs::create_directories(dir / "b");
    image::Picture wood(64, 32, image::makeColor(120, 80, 40));
    wood.setPixel(0, 0, image::makeColor(10, 20, 30));
    ButtonState s = state::defaultState();
    render::TextureImages images;
    render::layTexture(s, images, wood, "/somewhere/else/wood.bmp");
    render::setTextureBrightness(s, images, 60);
    state::setText3D(s, true);
    ASSERT_FALSE(files::writeDesignFile((dir / "a" / "d.bvm").string(), s, images));
    ASSERT_TRUE(fs::exists(dir / "a" / "wood.bmp"));

    // Moved with its texture to another folder: the texture comes along.
    fs::rename(dir / "a" / "d.bvm", dir / "b" / "d.bvm");
    fs::rename(dir / "a" / "wood.bmp", dir / "b" / "wood.bmp");
    ButtonState loaded = state::defaultState();
    render::TextureImages loadedImages;
    files::LoadResult r =
        files::readDesignFile((dir / "b" / "d.bvm").string(), loaded, loadedImages);
    ASSERT_FALSE(r.error);
    EXPECT_TRUE(r.notices.empty());
    EXPECT_TRUE(loaded.textureActive);
    EXPECT_EQ(loaded.textureBrightness, 60);
    EXPECT_EQ(loadedImages.original, wood);  // saved unadjusted
    EXPECT_EQ(loaded.buttonRed, 30);         // top-left pixel at brightness 60
    EXPECT_EQ(loaded.textRed, 30);           // the engraved text follows
    EXPECT_EQ(loaded.widthMax, 64);
    EXPECT_EQ(loaded.textureFileName, "/somewhere/else/wood.bmp");

    // Moved without it: a notice, and the rest still loads.
    fs::remove(dir / "b" / "wood.bmp");
    ButtonState other = state::defaultState();
    render::TextureImages otherImages;
    r = files::readDesignFile((dir / "b" / "d.bvm").string(), other, otherImages);
    ASSERT_FALSE(r.error);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0].caption, "Load error");
    EXPECT_EQ(r.notices[0].text, "the background texture bitmap \r\r" +
                                     (dir / "b" / "wood.bmp").string() +
                                     "\r\r could not be found.");
    EXPECT_FALSE(other.textureActive);
    EXPECT_TRUE(other.text3D);
    EXPECT_EQ(other.buttonWidth, 64);
    EXPECT_EQ(other.widthMax, 330);
    fs::remove_all(dir);
}

TEST(DesignFile, ANonDesignFileChangesNothing) {
    const fs::path dir = freshDir("bevelmint-design-invalid");
    ButtonState s = state::defaultState();
    render::TextureImages images;
    render::layTexture(s, images, image::Picture(50, 30, 7), "t.bmp");
    const ButtonState before = s;
    const image::Picture textureBefore = images.working;
    std::ofstream(dir / "notes.bvm") << "Shopping list\r\nmilk\r\n";
    files::LoadResult r = files::readDesignFile((dir / "notes.bvm").string(), s, images);
    ASSERT_TRUE(r.error);
    EXPECT_NE(r.error->message.find("not a valid Bevelmint design file"), std::string::npos);
    expectSameDesign(s, before);
    EXPECT_TRUE(s.textureActive);
    EXPECT_EQ(images.working, textureBefore);
    r = files::readDesignFile((dir / "missing.bvm").string(), s, images);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->message,
              "Cannot read " + (dir / "missing.bvm").string() + ": there is no such file");
    fs::remove_all(dir);
}

TEST(DesignFile, DevicesPipesAndOversizedFilesAreRefusedUnchanged) {
    const fs::path dir = freshDir("bevelmint-design-special");
    const std::string fifo = (dir / "pipe.bvm").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ButtonState s = state::defaultState();
    render::TextureImages images;
    const ButtonState before = s;
    for (const std::string& path : {std::string("/dev/zero"), fifo}) {
        files::LoadResult r = files::readDesignFile(path, s, images);  // returns at once
        ASSERT_TRUE(r.error) << path;
        EXPECT_EQ(r.error->message, "Cannot read " + path + ": it is not a regular file");
    }
    // The largest design a file may hold loads; one byte more is refused unread.
    ButtonState big = state::defaultState();
    big.buttonText.clear();
    const size_t rest = encode(big).size();
    big.buttonText = std::string(files::kMaxDesignBytes - rest, 'W');
    std::ofstream(dir / "big.bvm", std::ios::binary) << encode(big);
    ASSERT_EQ(fs::file_size(dir / "big.bvm"), files::kMaxDesignBytes);
    files::LoadResult r = files::readDesignFile((dir / "big.bvm").string(), s, images);
    ASSERT_FALSE(r.error) << r.error->message;
    EXPECT_EQ(s.buttonText.size(), big.buttonText.size());
    s = before;
    big.buttonText += "W";
    std::ofstream(dir / "big.bvm", std::ios::binary) << encode(big);
    r = files::readDesignFile((dir / "big.bvm").string(), s, images);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->message,
              "Cannot read " + (dir / "big.bvm").string() + ": the file is too large");
    expectSameDesign(s, before);
    fs::remove_all(dir);
}

TEST(DesignFile, ASaveWhoseTextureCannotBeWrittenKeepsTheOldDesign) {
    const fs::path dir = freshDir("bevelmint-design-allornone");
    std::ofstream(dir / "d.bvm") << "old design";
    fs::create_directories(dir / "wood.bmp");  // the texture's place is taken
    ButtonState s = state::defaultState();
    render::TextureImages images;
    render::layTexture(s, images, image::Picture(64, 32, 9), "/elsewhere/wood.bmp");
    auto error = files::writeDesignFile((dir / "d.bvm").string(), s, images);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Cannot create file " + (dir / "wood.bmp").string() +
                                  ": a folder of that name is in the way");
    EXPECT_EQ(bevelmint::testing::slurp(dir / "d.bvm"), "old design");
    int entries = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 2);
    fs::remove_all(dir);
    fs::remove_all(dir);
}

TEST(DesignFile, ExtensionLinesFollowTheFixedLinesOnlyWhenNotDefault) {
    ButtonState s = state::defaultState();
    state::setShapeKind(s, state::ShapeKind::elips);
    const std::string fixed = encode(s);
    EXPECT_EQ(fixed.find('='), std::string::npos);
    s.smoothEdges = true;
    s.backRed = 10, s.backGreen = 13, s.backBlue = 196;
    s.hoverLift = 5;
    const std::string bytes = encode(s);
    EXPECT_EQ(bytes, fixed + "smoothEdges=true\r\nbackRed=10\r\nbackGreen=13\r\nhoverLift=5\r\n");

    // Loaded over a design with other values: the file's values, and the
    // defaults for what it leaves out.
    ButtonState other = state::defaultState();
    other.backBlue = 0, other.smoothEdges = false, other.hoverLift = 90;
    render::TextureImages images;
    auto lines = files::parseDesign(bytes);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->fixedLines, 32);
    EXPECT_TRUE(files::applyDesign(*lines, "/nonexistent/", other, images).empty());
    expectSameDesign(other, s);
    lines = files::parseDesign(fixed);
    ASSERT_TRUE(lines);
    files::applyDesign(*lines, "/nonexistent/", other, images);
    expectSameDesign(other, loadInto(fixed));
    EXPECT_FALSE(other.smoothEdges);
    EXPECT_EQ(other.backRed, 196);
}

TEST(DesignFile, UnknownAndMalformedExtensionLinesAreReportedNeverFatal) {
    const std::string bytes = encode(state::defaultState()) +
                              "glow=3\r\nno value here\r\n\r\nhoverLift=120\r\n=4\nbackGreen=7\n"
                              "smoothEdges=maybe";
    const auto lines = files::parseDesign(bytes);
    ASSERT_TRUE(lines);
    ButtonState s = state::defaultState();
    render::TextureImages images;
    const std::vector<files::Notice> notices = files::applyDesign(*lines, "/x/", s, images);
    ASSERT_EQ(notices.size(), 5u);
    EXPECT_NE(notices[0].text.find("line 33: unknown setting \"glow\""), std::string::npos);
    EXPECT_NE(notices[1].text.find("line 34: \"no value here\" is not a name=value"),
              std::string::npos);
    EXPECT_NE(notices[2].text.find("line 36: hoverLift"), std::string::npos);
    EXPECT_NE(notices[3].text.find("line 37"), std::string::npos);
    EXPECT_NE(notices[4].text.find("line 39: smoothEdges"), std::string::npos);
    EXPECT_EQ(s.backGreen, 7);
    EXPECT_EQ(s.hoverLift, 20);
    EXPECT_FALSE(s.smoothEdges);
}

TEST(DesignFile, ASavedTextureKeepsItsFileBytesAndAFileHoldingThemIsLeftAlone) {
    const fs::path dir = freshDir("bevelmint-design-rle");
    fs::create_directories(dir / "other");
    fs::copy_file(fs::path(BEVELMINT_TEST_DATA) / "seed-rle8.bmp", dir / "tex.bmp");
    const std::string original = bevelmint::testing::slurp(dir / "tex.bmp");
    image::Picture loaded;
    std::string bytes;
    ASSERT_FALSE(image::readBmp((dir / "tex.bmp").string(), loaded, &bytes));
    ButtonState s = state::defaultState();
    render::TextureImages images;
    render::layTexture(s, images, loaded, (dir / "tex.bmp").string(), bytes);
    render::setTextureBrightness(s, images, 70);

    // Elsewhere: the run-length encoded bytes, not a re-encoded true-colour bitmap.
    ASSERT_FALSE(files::writeDesignFile((dir / "other" / "d.bvm").string(), s, images));
    EXPECT_EQ(bevelmint::testing::slurp(dir / "other" / "tex.bmp"), original);

    // Beside its own texture file: that file is not even rewritten.
    struct stat before {
    }, after{};
    ASSERT_EQ(::stat((dir / "tex.bmp").c_str(), &before), 0);
    ASSERT_FALSE(files::writeDesignFile((dir / "d.bvm").string(), s, images));
    ASSERT_EQ(::stat((dir / "tex.bmp").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(bevelmint::testing::slurp(dir / "tex.bmp"), original);

    // Loaded back, the design's texture carries the same bytes on to its next save.
    ButtonState back = state::defaultState();
    render::TextureImages backImages;
    ASSERT_FALSE(files::readDesignFile((dir / "other" / "d.bvm").string(), back, backImages).error);
    EXPECT_EQ(backImages.fileBytes, original);

    // A texture named like the design itself would overwrite it: refused.
    render::layTexture(s, images, loaded, "/elsewhere/d.bvm", bytes);
    std::ofstream(dir / "d.bvm") << "old design";
    auto error = files::writeDesignFile((dir / "d.bvm").string(), s, images);
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("named for two outputs"), std::string::npos);
    EXPECT_EQ(bevelmint::testing::slurp(dir / "d.bvm"), "old design");
    fs::remove_all(dir);
}

TEST(DesignFile, TheTextureNameIsWhatFollowsTheLastSlashElseTheLastBackslash) {
    EXPECT_EQ(files::storedFileName("/home/u/my\\photo.bmp"), "my\\photo.bmp");
    EXPECT_EQ(files::storedFileName("C:\\Pictures\\wood.bmp"), "wood.bmp");
    EXPECT_EQ(files::storedFileName("C:/Pictures/wood.bmp"), "wood.bmp");
    EXPECT_EQ(files::storedFileName("wood.bmp"), "wood.bmp");
}

TEST(DesignFile, TheTextureComesThroughTheReaderGivenWithItsLookupPath) {
    ButtonState s = state::defaultState();
    render::TextureImages images;
    render::layTexture(s, images, image::Picture(40, 20, image::makeColor(10, 20, 30)),
                       "C:\\pics\\wood.bmp");
    const auto lines = files::parseDesign(encode(s));
    ASSERT_TRUE(lines);
    const std::string bitmap = image::encodeBmp(image::Picture(40, 20, 77), 40, 20);
    std::vector<std::string> asked;
    const files::TextureReader fromMemory = [&](const std::string& path) {
        asked.push_back(path);
        return files::TextureFile{true, bitmap, std::nullopt};
    };
    ButtonState loaded = state::defaultState();
    render::TextureImages loadedImages;
    EXPECT_TRUE(files::applyDesign(*lines, "/designs/", loaded, loadedImages, fromMemory).empty());
    EXPECT_EQ(asked, std::vector<std::string>{"/designs/wood.bmp"});
    EXPECT_TRUE(loaded.textureActive);
    EXPECT_EQ(loadedImages.original, image::Picture(40, 20, 77));
    EXPECT_EQ(loadedImages.fileBytes, bitmap);

    // Bytes that are no bitmap: a notice naming the look-up path, and no texture.
    const files::TextureReader junk = [](const std::string&) {
        return files::TextureFile{true, "junk", std::nullopt};
    };
    const auto notices = files::applyDesign(*lines, "/designs/", loaded, loadedImages, junk);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              "Cannot load the bitmap \"/designs/wood.bmp\": it is not a Windows bitmap.");
    EXPECT_FALSE(loaded.textureActive);
}

TEST(DesignFile, TheDarkSchemeIsKeptWhileOffAndBrokenLinesLoseOnlyThemselves) {
    ButtonState s = state::defaultState();
    const std::string fixed = encode(s);
    s.dark.backRed = 20;  // set while the scheme is off: saved and kept all the same
    s.web.language = "de-CH";
    const std::string bytes = encode(s);
    EXPECT_EQ(bytes, fixed + "webLanguage=de-CH\r\ndarkBackRed=20\r\n");
    ButtonState loaded = state::defaultState();
    render::TextureImages images;
    auto lines = files::parseDesign(bytes + "darkScheme=true\r\n");
    ASSERT_TRUE(lines);
    EXPECT_TRUE(files::applyDesign(*lines, "/x/", loaded, images).empty());
    EXPECT_TRUE(loaded.dark.on);
    EXPECT_EQ(loaded.dark.backRed, 20);
    EXPECT_EQ(loaded.web.language, "de-CH");
    EXPECT_EQ(state::darkVariant(loaded).backRed, 20);
    EXPECT_EQ(state::darkVariant(loaded).buttonRed, s.dark.buttonRed);

    lines = files::parseDesign(fixed +
                               "darkScheme=on\r\ndarkTextRed=256\r\nbackRed=9\r\ndarkButtonBlue=-1"
                               "\r\ndarkBackGreen=3\r\nwebLanguage=en US\r\n");
    ASSERT_TRUE(lines);
    ButtonState broken = state::defaultState();
    const auto notices = files::applyDesign(*lines, "/x/", broken, images);
    ASSERT_EQ(notices.size(), 4u);
    EXPECT_NE(notices[0].text.find("line 33: darkScheme"), std::string::npos);
    EXPECT_NE(notices[1].text.find("line 34: darkTextRed"), std::string::npos);
    EXPECT_NE(notices[3].text.find("line 38: webLanguage"), std::string::npos);
    EXPECT_EQ(broken.backRed, 9);
    EXPECT_EQ(broken.dark.backGreen, 3);
    EXPECT_EQ(broken.dark, [] {
        state::DarkScheme d;
        d.backGreen = 3;
        return d;
    }());
    EXPECT_EQ(broken.web.language, "en");
}
