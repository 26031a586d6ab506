#include <gtest/gtest.h>

#include "decoders.h"
#include "test_support.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using bevelmint::testing::countOf;
using bevelmint::testing::Decoded;
using bevelmint::testing::decodePng;
using bevelmint::testing::decodeWebp;
using bevelmint::testing::freshDir;
using bevelmint::testing::slurp;

namespace {

struct Outcome {
    int status;
    std::string err, out;
};

// Runs the command in `dir`; its standard output goes to a file outside it, so a folder
// the test counts holds only what the command wrote and stderr.txt.
Outcome run(const std::string& args, const fs::path& dir, const std::string& env = {}) {
    const fs::path errFile = dir / "stderr.txt";
    const fs::path outFile = dir.string() + "-stdout.txt";
    const std::string cmd = std::string("cd '") + dir.string() + "' && " + env + " '" +
                            BEVELMINT_RENDER_EXE + "' " + args + " 2>'" + errFile.string() +
                            "' >'" + outFile.string() + "'";
    const int raw = std::system(cmd.c_str());
    Outcome result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(errFile), slurp(outFile)};
    fs::remove(outFile);
    return result;
}

size_t entries(const fs::path& dir) {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

// Every file that `wrote` holds has the same bytes as its namesake in `same`.
void expectSameFiles(const fs::path& wrote, const fs::path& same) {
    for (const auto& entry : fs::directory_iterator(wrote))
        EXPECT_EQ(slurp(entry.path()), slurp(same / entry.path().filename()))
            << entry.path().filename();
}

}  // namespace

TEST(RenderCommand, WritesBothPicturesOfTheDefaultButton) {
    const fs::path dir = freshDir("bevelmint-cli-ok");
    Outcome r = run("--normal a.bmp --pressed b.bmp", dir);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fs::file_size(dir / "a.bmp"), 54u + 40 * 300);
    EXPECT_EQ(fs::file_size(dir / "b.bmp"), 54u + 40 * 300);

    r = run("--set buttonWidth=330 --set buttonHeight=195 --set buttonDepth=97 --normal big.bmp",
            dir);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fs::file_size(dir / "big.bmp"), 54u + 195 * 992);
    fs::remove_all(dir);
}

TEST(RenderCommand, RefusesBadFieldsWithStatusTwoAndWritesNothing) {
    const fs::path dir = freshDir("bevelmint-cli-bad");
    const std::pair<const char*, const char*> cases[] = {
        {"--set buttonDepth=30", "1..20"},
        {"--set buttonWidth=wide", "20..330"},
        {"--set buttonRed=256", "0..255"},
        {"--set nosuchfield=1", "nosuchfield"},
        {"--set smoothEdges=maybe", "smoothEdges"},
        {"--set darkBackRed=300", "darkBackRed: 300 is out of range; takes 0..255"},
        {"--set webLanguage=en_US", "webLanguage"},
        {"--bogus", "--bogus"},
        {"--set", "--set"},
    };
    for (const auto& [args, needle] : cases) {
        Outcome r = run(std::string("--normal a.bmp ") + args, dir);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find(needle), std::string::npos) << args << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(fs::exists(dir / "a.bmp")) << args;
    }
    Outcome r = run("--normal no/such/dir/a.bmp", dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Cannot create file no/such/dir/a.bmp"), std::string::npos);
    fs::remove_all(dir);
}

TEST(RenderCommand, TextureAndInscriptionFieldsGoThroughTheEditorRules) {
    const fs::path dir = freshDir("bevelmint-cli-texture");
    // A 64 x 32 texture written by the renderer itself.
    Outcome r = run("--set buttonWidth=64 --set buttonHeight=32 --normal tex.bmp", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    r =
        run("--texture tex.bmp --set textureBrightness=70 --set buttonText=Hi --set text3D=true "
            "--set textFont.size=20 --set textFont.bold=true --normal out.bmp",
            dir);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fs::file_size(dir / "out.bmp"), 54u + 32 * 192);  // shrunk to the texture

    r = run("--texture tex.bmp --set buttonWidth=65 --normal out2.bmp", dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("20..64"), std::string::npos) << r.err;

    std::ofstream(dir / "junk.bmp") << "junk";
    r = run("--texture junk.bmp --normal out3.bmp", dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("junk.bmp"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "out3.bmp"));
    r = run("--set textureBrightness=101", dir);
    EXPECT_EQ(r.status, 2);
    fs::remove_all(dir);
}

TEST(RenderCommand, SavesLoadsAndExportsByteIdenticallyAcrossRuns) {
    const fs::path dir = freshDir("bevelmint-cli-batch");
    Outcome r =
        run("--set shapeKind=elips --set smoothEdges=true --set buttonText=Go "
            "--normal a.gif --pressed ap.gif --html a.html --save d.bvm",
            dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir / "a.gif").substr(0, 6), "GIF89a");
    EXPECT_NE(slurp(dir / "a.html").find("pic1.src='ap.gif'"), std::string::npos);
    // The saved design, smoothing included, renders the same pictures again.
    EXPECT_NE(slurp(dir / "d.bvm").find("\r\nsmoothEdges=true\r\n"), std::string::npos);
    r = run("d.bvm --normal b.gif --pressed bp.gif", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir / "a.gif"), slurp(dir / "b.gif"));
    EXPECT_EQ(slurp(dir / "ap.gif"), slurp(dir / "bp.gif"));
    r = run("d.bvm --set jpegCompression=30 --normal c.jpg --save e.bvm", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir / "c.jpg").substr(0, 2), "\xff\xd8");
    r = run("e.bvm --normal c2.jpg", dir);
    EXPECT_EQ(slurp(dir / "c.jpg"), slurp(dir / "c2.jpg"));
    fs::remove_all(dir);
}

TEST(RenderCommand, EveryErrorExitsWithTwoAndWritesNothing) {
    const fs::path dir = freshDir("bevelmint-cli-refusals");
    std::ofstream(dir / "notes.bvm") << "not a design";
    const std::pair<const char*, const char*> cases[] = {
        {"notes.bvm --normal x.gif", "not a valid Bevelmint design file"},
        {"missing.bvm --normal x.gif", "Cannot read missing.bvm: there is no such file"},
        {"--normal x.bmp --html x.html", "HTML doesn't support BMP"},
        {"--normal x.gif --pressed xp.jpg", "different picture formats"},
        {"--format tiff --normal x.gif", "--format"},
        {"--scale 5 --normal x.gif", "1..4"},
        {"--scales 1,two --normal x.gif", "--scales"},
        {"--scale 1,2 --normal x.gif", "--scale"},
        {"--normal x.gif --hover xh.png", "different picture formats"},
        {"--set hoverLift=99 --normal x.gif", "hoverLift"},
        {"--normal x.gif --html x.html --save no/such/dir/d.bvm",
         "Cannot write no/such/dir/d.bvm: the folder no/such/dir does not exist"},
        {"--set 'buttonText=a\nb' --normal x.gif --save d.bvm", "line break"},
    };
    for (const auto& [args, needle] : cases) {
        Outcome r = run(args, dir);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find(needle), std::string::npos) << args << ": " << r.err;
        for (const char* f : {"x.gif", "x.bmp", "x.html", "xp.jpg", "d.bvm"})
            EXPECT_FALSE(fs::exists(dir / f)) << args << " wrote " << f;
    }
    EXPECT_EQ(entries(dir), 2u);  // notes.bvm and stderr.txt: no temporary left behind
    fs::remove_all(dir);
}

TEST(RenderCommand, WithoutAnyFontTheInscriptionIsSkippedWithOneWarning) {
    const fs::path dir = freshDir("bevelmint-cli-nofont");
    std::ofstream(dir / "fonts.conf") << "<?xml version=\"1.0\"?><fontconfig></fontconfig>";
    Outcome r = run("--normal a.bmp --pressed b.bmp", dir);
    ASSERT_EQ(r.status, 0);
    const std::string withFont = slurp(dir / "a.bmp");
    r = run("--normal c.bmp", dir, "FONTCONFIG_FILE='" + (dir / "fonts.conf").string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find("warning"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(dir / "c.bmp"));
    EXPECT_NE(slurp(dir / "c.bmp"), withFont);  // the same button without its inscription
    fs::remove_all(dir);
}

TEST(RenderCommand, ASaveWhoseTextureCannotBeWrittenLeavesTheOldFiles) {
    const fs::path dir = freshDir("bevelmint-cli-save-texture");
    Outcome r = run("--set buttonWidth=64 --set buttonHeight=32 --normal tex.bmp", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    fs::create_directories(dir / "sub" / "tex.bmp");  // where the texture would go
    std::ofstream(dir / "sub" / "d.bvm") << "old design";
    r = run("--texture tex.bmp --normal a.gif --save sub/d.bvm", dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Cannot create file sub/tex.bmp"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(dir / "sub" / "d.bvm"), "old design");
    EXPECT_TRUE(fs::is_empty(dir / "sub" / "tex.bmp"));
    EXPECT_FALSE(fs::exists(dir / "a.gif"));
    fs::remove_all(dir);
}

// The window's reasons reach the command's one line, naming the file.
TEST(RenderCommand, AReadOnlyFolderIsReportedAsReadOnly) {
    const fs::path dir = freshDir("bevelmint-cli-read-only");
    fs::create_directories(dir / "locked");
    if (!bevelmint::testing::makeReadOnly(dir / "locked")) {
        bevelmint::testing::makeWritable(dir / "locked");
        GTEST_SKIP() << "no way to make a folder read-only here";
    }
    const Outcome picture = run("--normal locked/a.png", dir);
    const Outcome design = run("--save locked/d.bvm", dir);
    bevelmint::testing::makeWritable(dir / "locked");
    EXPECT_EQ(picture.status, 2);
    EXPECT_EQ(
        picture.err,
        "bevelmint-render: Cannot create file locked/a.png: the folder locked is read-only\n");
    EXPECT_EQ(design.err,
              "bevelmint-render: Cannot write locked/d.bvm: the folder locked is read-only\n");
    EXPECT_TRUE(fs::is_empty(dir / "locked"));
    fs::remove_all(dir);
}

TEST(RenderCommand, DevicesAndPipesAreRefusedAtOnce) {
    const fs::path dir = freshDir("bevelmint-cli-special");
    ASSERT_EQ(::mkfifo((dir / "f.bvm").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((dir / "f.bmp").c_str(), 0600), 0);
    // A hang or an endless read would run into the timeout's status 124.
    for (const char* args :
         {"/dev/zero --normal o.bmp", "f.bvm --normal o.bmp", "--texture /dev/zero --normal o.bmp",
          "--texture f.bmp --normal o.bmp"}) {
        Outcome r = run(args, dir, "timeout 10");
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find(": it is not a regular file"), std::string::npos)
            << args << ": " << r.err;
        EXPECT_FALSE(fs::exists(dir / "o.bmp")) << args;
    }
    fs::remove_all(dir);
}

TEST(RenderCommand, AFileSizeLimitIsReportedAndLeavesNothingBehind) {
    const fs::path dir = freshDir("bevelmint-cli-fsize");
    std::ofstream(dir / "old.bvm") << "old";
    const std::string text(3000, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {"--set buttonText=" + text + " --save old.bvm",
         "Cannot write old.bvm: the file would be larger than the system allows"},
        {"--normal a.bmp --pressed b.bmp",
         "Cannot create file a.bmp: the file would be larger than the system allows"},
        {"--normal a.gif --html a.html", "Cannot create file a.gif: the file would be larger"}};
    for (const auto& [args, needle] : cases) {
        // 1 KiB: the shell's redirection of the message fits, the outputs do not.
        Outcome r = run(args, dir, "ulimit -f 1;");
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find(needle), std::string::npos) << args << ": " << r.err;
        std::vector<std::string> left;
        for (auto& e : fs::directory_iterator(dir))
            left.push_back(e.path().filename().string());
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, (std::vector<std::string>{"old.bvm", "stderr.txt"})) << args;
        EXPECT_EQ(slurp(dir / "old.bvm"), "old");
    }
    fs::remove_all(dir);
}

TEST(RenderCommand, ASetFromALabelsFileWithItsReportAndItsCheck) {
    const fs::path dir = freshDir("bevelmint-cli-set");
    std::ofstream(dir / "labels.txt") << "Buy now\r\n\nSell\n  Buy now  \n";
    const std::string set = "--labels labels.txt --normal b.gif --pressed bp.gif --img-page m.html";
    // Text nearly of the face's colour: strict fails, after writing.
    Outcome r = run(
        set + " --set textRed=200 --set textGreen=170 --set textBlue=100 --report --strict", dir);
    EXPECT_EQ(r.status, 3) << r.err;
    for (const char* f : {"b-buy-now.gif", "b-sell.gif", "b-buy-now-2.gif", "bp-buy-now.gif",
                          "bp-sell.gif", "bp-buy-now-2.gif", "m.html"})
        EXPECT_TRUE(fs::exists(dir / f)) << f;
    EXPECT_EQ(entries(dir), 9u);  // with labels.txt and stderr.txt
    EXPECT_EQ(countOf(r.out, "\"label\": "), 3u) << r.out;
    EXPECT_NE(r.out.find("\"label\": \"Sell\""), std::string::npos);
    EXPECT_EQ(countOf(slurp(dir / "m.html"), " src=\"b-"), 3u);
    r = run(set + " --report", dir);
    EXPECT_EQ(r.status, 0);
    r = run("--set buttonText=Sell --normal lone.gif", dir);
    EXPECT_EQ(slurp(dir / "lone.gif"), slurp(dir / "b-sell.gif"));
    fs::remove(dir / "lone.gif");

    // A check writes nothing and names what differs.
    r = run(set + " --check", dir);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    std::ofstream(dir / "b-sell.gif", std::ios::app) << "x";
    fs::remove(dir / "bp-buy-now-2.gif");
    r = run(set + " --check --report", dir);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "b-sell.gif differs\nbp-buy-now-2.gif is missing\n");
    EXPECT_FALSE(fs::exists(dir / "bp-buy-now-2.gif"));
    EXPECT_EQ(entries(dir), 8u);

    std::ofstream(dir / "bad.txt") << "fine\nnot \xff fine\n";
    std::ofstream(dir / "empty.txt") << "\n \n";
    const std::pair<const char*, const char*> cases[] = {
        {"--labels bad.txt --normal x.gif", "bad.txt: line 2 is not UTF-8 text"},
        {"--labels empty.txt --normal x.gif", "empty.txt: no labels in it"},
        {"--labels none.txt --normal x.gif", "Cannot read none.txt: there is no such file"},
        {"--labels labels.txt --normal x.gif --html x.html", "--img-page"},
        {"--normal x.gif --strict", "--strict needs --report"},
        {"--img-page x.html", "--img-page needs"},
    };
    for (const auto& [args, needle] : cases) {
        r = run(args, dir);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find(needle), std::string::npos) << args << ": " << r.err;
        EXPECT_FALSE(fs::exists(dir / "x.gif"));
    }
    fs::remove_all(dir);
}

TEST(RenderCommand, OutputsNamingOneFileTwiceAreRefusedAndNothingIsWritten) {
    const fs::path dir = freshDir("bevelmint-cli-twice");
    fs::create_directories(dir / "src");
    Outcome r = run("--set buttonWidth=64 --set buttonHeight=32 --normal src/button.bmp", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const char* cases[] = {
        // The texture saved beside the design would take the exported button's place.
        "--texture src/button.bmp --normal button.bmp --save d.bvm",
        "--normal x.gif --pressed x.gif",
        "--normal y.gif --html y.gif",
        "--normal z.bmp --save z.bmp",
        "--normal w.gif --pressed src/../w.gif --save d.bvm",
    };
    for (const char* args : cases) {
        r = run(args, dir);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("named for two outputs"), std::string::npos) << args << ": " << r.err;
        int entries = 0;
        for ([[maybe_unused]] auto& e : fs::directory_iterator(dir))
            ++entries;
        EXPECT_EQ(entries, 2) << args;  // src/ and stderr.txt
    }
    fs::remove_all(dir);
}

TEST(RenderCommand, ATextureNameWithABackslashIsSavedAndFoundUnderThatName) {
    const fs::path dir = freshDir("bevelmint-cli-backslash");
    fs::create_directories(dir / "src");
    fs::create_directories(dir / "out");
    Outcome r = run("--set buttonWidth=64 --set buttonHeight=32 --normal 'src/my\\photo.bmp'", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    std::ofstream(dir / "out" / "photo.bmp") << "an unrelated file";
    r = run("--texture 'src/my\\photo.bmp' --save out/d.bvm", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir / "out" / "photo.bmp"), "an unrelated file");
    EXPECT_EQ(slurp(dir / "out" / "my\\photo.bmp"), slurp(dir / "src" / "my\\photo.bmp"));
    // Loading finds it under the same name: no notice, and the button keeps its size.
    r = run("out/d.bvm --normal again.bmp", dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(fs::file_size(dir / "again.bmp"), 54u + 32 * 192);
    fs::remove_all(dir);
}

TEST(RenderCommand, WithNothingToWriteShowsItsUsageAndExitsWithTwo) {
    const fs::path dir = freshDir("bevelmint-cli-usage");
    for (const char* args : {"", "--set buttonWidth=40", "--format gif"}) {
        Outcome r = run(args, dir);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.err.rfind("Usage: bevelmint-render", 0), 0u) << args << ": " << r.err;
        EXPECT_NE(r.err.find("Nothing to write"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << args;
    }
    Outcome r = run("--version", dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string("bevelmint-render ") + BEVELMINT_VERSION + "\n");
    r = run("--help", dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Usage: bevelmint-render", 0), 0u);
    EXPECT_EQ(r.err, "");
    fs::remove_all(dir);
}

TEST(RenderCommand, WritesNormalHoverPressedAndSpriteAtEveryScale) {
    const fs::path dir = freshDir("bevelmint-cli-web");
    Outcome r =
        run("--set shapeKind=elips --scales 1,2 --normal b.png --hover bh.png --pressed bp.png "
            "--sprite s.webp",
            dir);
    ASSERT_EQ(r.status, 0) << r.err;
    for (int n : {1, 2}) {
        const std::string mark = n == 1 ? "" : "@2x";
        const Decoded normal = decodePng(slurp(dir / ("b" + mark + ".png")));
        const Decoded hover = decodePng(slurp(dir / ("bh" + mark + ".png")));
        const Decoded pressed = decodePng(slurp(dir / ("bp" + mark + ".png")));
        const Decoded sprite = decodeWebp(slurp(dir / ("s" + mark + ".webp")));
        EXPECT_EQ(normal.width, 100 * n);
        EXPECT_EQ(normal.height, 40 * n);
        EXPECT_TRUE(normal.hasAlpha);
        ASSERT_EQ(sprite.width, 100 * n);
        ASSERT_EQ(sprite.height, 120 * n);
        EXPECT_EQ(sprite.rows(0, 40 * n), normal.rgba);
        EXPECT_EQ(sprite.rows(40 * n, 40 * n), hover.rgba);
        EXPECT_EQ(sprite.rows(80 * n, 40 * n), pressed.rgba);
        EXPECT_NE(hover.rgba, normal.rgba);
    }
    EXPECT_EQ(entries(dir), 9u);  // the eight pictures and stderr.txt

    // One scale keeps the names; scale 1 is the plain export byte for byte.
    r = run("--set shapeKind=elips --scale 2 --format png --normal c", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir / "c"), slurp(dir / "b@2x.png"));
    r = run("--set shapeKind=rrect --scales 1 --normal d.gif --hover dh.gif", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    r = run("--set shapeKind=rrect --normal e.gif", dir);
    EXPECT_EQ(slurp(dir / "d.gif"), slurp(dir / "e.gif"));
    EXPECT_EQ(slurp(dir / "d.gif").substr(0, 6), "GIF89a");
    fs::remove_all(dir);
}

TEST(RenderCommand, TheWebSetOfPngPicturesSpritesAndPagesAndItsCheck) {
    const fs::path dir = freshDir("bevelmint-cli-webset");
    std::ofstream(dir / "labels.txt") << "Buy now\nSell\n";
    const std::string set =
        "--labels labels.txt --set shapeKind=rrect --scales 1,2 --normal b.png --hover bh.png "
        "--pressed bp.png --sprite s.png --css-page page.html --css-snippet snippet.html "
        "--img-page mail.html";
    Outcome r = run(set + " --report", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* stem : {"b", "bh", "bp", "s"})
        for (const char* slug : {"-buy-now", "-sell"})
            for (const char* scale : {"", "@2x"})
                EXPECT_TRUE(fs::exists(dir / (std::string(stem) + slug + scale + ".png")))
                    << stem << slug << scale;
    EXPECT_EQ(entries(dir), 2u + 16u + 3u);  // labels.txt, stderr.txt, pictures, pages
    const std::string page = slurp(dir / "page.html");
    EXPECT_NE(page.find("image-set(url(\"s-sell.png\") 1x, url(\"s-sell@2x.png\") 2x)"),
              std::string::npos);
    EXPECT_NE(slurp(dir / "mail.html").find("src=\"b-sell@2x.png\" alt=\"Sell\""),
              std::string::npos);
    const std::string snippet = slurp(dir / "snippet.html");
    EXPECT_EQ(snippet.rfind("<style>\n", 0), 0u);
    EXPECT_NE(page.find(snippet.substr(8, snippet.find("</style>") - 8)), std::string::npos);
    EXPECT_EQ(countOf(r.out, "\"label\": "), 2u);

    r = run(set + " --check", dir);
    EXPECT_EQ(r.status, 0) << r.err << r.out;
    EXPECT_EQ(r.out, "");
    std::ofstream(dir / "bh-sell@2x.png", std::ios::binary | std::ios::app) << '\0';
    r = run(set + " --check", dir);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "bh-sell@2x.png differs\n");

    r = run("--normal b.png --css-page p.html", dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--css-page needs the exported pictures: give --sprite"),
              std::string::npos)
        << r.err;
    r = run("--sprite s.bmp --css-snippet p.html", dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("BMP"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "p.html"));
    fs::remove_all(dir);
}

// --web writes what the design's web fields name, as the window's Export for Web
// does: the same files as the options that name them one by one.
TEST(RenderCommand, WebAndTheOptionsWriteTheSameDarkVariant) {
    const fs::path dir = freshDir("bevelmint-cli-dark");
    for (const char* sub : {"web", "options"})
        fs::create_directory(dir / sub);
    Outcome r =
        run("--set darkScheme=true --set darkButtonRed=90 --set webFolder=web --set webBaseName=go "
            "--set webMarkup=img-page --save d.bvm",
            dir);
    ASSERT_EQ(r.status, 0) << r.err;
    r = run("d.bvm --web", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    r =
        run("d.bvm --scales 1,2 --normal options/go.png --hover options/go-hover.png "
            "--pressed options/go-pressed.png --sprite options/go-sprite.png "
            "--img-page options/go-email.html",
            dir);
    ASSERT_EQ(r.status, 0) << r.err;
    // Eight light pictures, eight dark ones and the page.
    EXPECT_EQ(entries(dir / "web"), 17u);
    for (const char* dark : {"go-dark.png", "go-dark@2x.png", "go-hover-dark@2x.png",
                             "go-sprite-dark.png", "go-pressed-dark.png"})
        EXPECT_TRUE(fs::exists(dir / "web" / dark)) << dark;
    expectSameFiles(dir / "options", dir / "web");
    EXPECT_NE(slurp(dir / "web/go-email.html").find("srcset=\"go-dark@2x.png\""),
              std::string::npos);
    std::ofstream(dir / "labels.txt") << "Go\nGo dark\n";
    r = run("d.bvm --labels labels.txt --normal b.png", dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("\"Go\" and \"Go dark\" would name the same files"), std::string::npos)
        << r.err;
    EXPECT_FALSE(fs::exists(dir / "b-go.png"));
    // Turned off, the dark colours stay in the design but no dark file is written.
    r = run("d.bvm --set darkScheme=false --normal plain.png --save d2.bvm", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(fs::exists(dir / "plain-dark.png"));
    EXPECT_NE(slurp(dir / "d2.bvm").find("darkButtonRed=90"), std::string::npos);
    fs::remove_all(dir);
}

TEST(RenderCommand, WebWritesWhatTheDesignsWebSettingsName) {
    const fs::path dir = freshDir("bevelmint-cli-web-settings");
    for (const char* sub : {"web", "options"})
        fs::create_directory(dir / sub);
    std::ofstream(dir / "labels.txt") << "Go\nStop\n";
    Outcome r =
        run("--set shapeKind=elips --set webFolder=web --set webBaseName=nav "
            "--set webFormat=webp --set webScales=1,3 --set webMarkup=css-snippet "
            "--set webLabels=\"$(cat labels.txt)\" --save d.bvm",
            dir);
    ASSERT_EQ(r.status, 0) << r.err;
    r = run("d.bvm --web", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    r =
        run("d.bvm --labels labels.txt --format webp --scales 1,3 --normal options/nav.webp "
            "--hover options/nav-hover.webp --pressed options/nav-pressed.webp "
            "--sprite options/nav-sprite.webp --css-snippet options/nav-snippet.html",
            dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(entries(dir / "web"), 17u);
    expectSameFiles(dir / "options", dir / "web");

    for (const char* args : {"--web", "d.bvm --web --normal x.png", "d.bvm --web --scales 1,2",
                             "d.bvm --set webBaseName=a/b --web", "d.bvm --web --palette"}) {
        r = run(args, dir);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("bevelmint-render: "), std::string::npos) << r.err;
    }
    EXPECT_EQ(entries(dir), 5u);  // labels.txt, d.bvm, stderr.txt and the two folders

    // The palette choice is kept in the design and makes palette PNGs.
    r = run("d.bvm --set webFormat=png --set webPalette=true --set webFolder=pal --save p.bvm",
            dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(slurp(dir / "p.bvm").find("webPalette=true\r\n"), std::string::npos);
    fs::create_directory(dir / "pal");
    r = run("p.bvm --web", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir / "pal" / "nav-go@3x.png").at(25), 3);
    fs::remove_all(dir);
}

// --palette writes each PNG of a set at every scale, sprites included, as a
// palette PNG within 45 dB of the lossless one; a noise-textured button no
// palette can hold stays lossless with a notice on stderr and in the report.
TEST(RenderCommand, PalettePngsOfASetAndTheirFallbackToLossless) {
    const fs::path dir = freshDir("bevelmint-cli-palette");
    std::ofstream(dir / "labels.txt") << "Buy now\nSign up\n";
    const std::string pictures =
        "--set shapeKind=elips --set smoothEdges=true --labels labels.txt --scales 1,2,3 "
        "--normal b.png --sprite s.png";
    fs::create_directory(dir / "lossless");
    fs::copy_file(dir / "labels.txt", dir / "lossless" / "labels.txt");
    Outcome r = run(pictures, dir / "lossless");
    ASSERT_EQ(r.status, 0) << r.err;
    r = run(pictures + " --palette", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    int files = 0;
    for (const char* name : {"b", "s"})
        for (const char* slug : {"-buy-now", "-sign-up"})
            for (const char* scale : {"", "@2x", "@3x"}) {
                const std::string file = std::string(name) + slug + scale + ".png";
                const std::string bytes = slurp(dir / file);
                ASSERT_GT(bytes.size(), 26u) << file;
                EXPECT_EQ(bytes[25], 3) << file;
                EXPECT_GE(bevelmint::testing::premultipliedPsnr(
                              decodePng(slurp(dir / "lossless" / file)), decodePng(bytes)),
                          45.0)
                    << file;
                ++files;
            }
    EXPECT_EQ(files, 12);

    // A 100 x 40 texture of noise, written here as a 24-bit bitmap.
    std::string noise = "BM" + std::string(52, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int k = 0; k < 4; ++k)
            noise[at + k] = static_cast<char>(v >> (8 * k));
    };
    put32(2, 54 + 300 * 40), put32(10, 54), put32(14, 40), put32(18, 100), put32(22, 40);
    put32(26, 1 | 24 << 16);
    uint32_t seed = 9;
    for (int i = 0; i < 300 * 40; ++i, seed = seed * 1103515245 + 12345)
        noise.push_back(static_cast<char>(seed >> 16));
    std::ofstream(dir / "noise.bmp", std::ios::binary) << noise;
    r = run("--texture noise.bmp --set shapeKind=rrect --palette --report --normal n.png", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("bevelmint-render: n.png: kept lossless: a palette reaches only "),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.out.find("\"notices\": [\"n.png: kept lossless: "), std::string::npos) << r.out;
    const std::string kept = slurp(dir / "n.png");
    r = run("--texture noise.bmp --set shapeKind=rrect --normal n2.png", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(kept, slurp(dir / "n2.png"));

    r = run("--palette --normal x.gif", dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("a palette is for PNG pictures"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "x.gif"));
    fs::remove_all(dir);
}

// The live page and SVG pictures: nothing rendered, an SVG written once whatever
// the scales, each file checked and written with everything else or not at all.
TEST(RenderCommand, LivePagesAndSvgPicturesWithTheirCheck) {
    const fs::path dir = freshDir("bevelmint-cli-live");
    std::ofstream(dir / "labels.txt") << "Add to cart\nBuy\n";
    const std::string set =
        "--set shapeKind=rrect --set roundness=20 --labels labels.txt --live-page live.html "
        "--normal b.svg --sprite s.svg --scales 1,2,3";
    Outcome r = run(set + " --report", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* f :
         {"live.html", "b-add-to-cart.svg", "b-buy.svg", "s-add-to-cart.svg", "s-buy.svg"})
        EXPECT_TRUE(fs::exists(dir / f)) << f;
    EXPECT_EQ(entries(dir), 7u);  // with labels.txt and stderr.txt
    const std::string page = slurp(dir / "live.html");
    EXPECT_EQ(countOf(page, "<a class=\"bvl\""), 2u);
    EXPECT_EQ(page.find("url("), std::string::npos);
    EXPECT_EQ(slurp(dir / "b-buy.svg")
                  .rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" "
                         "height=\"40\"",
                         0),
              0u);
    EXPECT_NE(slurp(dir / "s-buy.svg").find("height=\"120\""), std::string::npos);
    EXPECT_NE(slurp(dir / "b-buy.svg").find(">Buy</text>"), std::string::npos);
    // The report is the live buttons': the longer label widens its button.
    auto widthOf = [&](const std::string& label) {
        const size_t at = r.out.find("\"width\": ", r.out.find("\"label\": \"" + label + "\""));
        return at == std::string::npos ? 0 : std::stoi(r.out.substr(at + 9));
    };
    EXPECT_GT(widthOf("Add to cart"), 100) << r.out;
    EXPECT_EQ(widthOf("Buy"), 100) << r.out;

    r = run(set + " --check", dir);
    EXPECT_EQ(r.status, 0) << r.err << r.out;
    std::ofstream(dir / "live.html", std::ios::app) << " ";
    fs::remove(dir / "s-buy.svg");
    r = run(set + " --check", dir);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "s-buy.svg is missing\nlive.html differs\n");

    // A page that cannot be written takes the pictures with it.
    std::ofstream(dir / "file") << "not a folder";
    r = run("--live-page file/live.html --normal c.svg --format svg", dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(fs::exists(dir / "c.svg"));
    r = run("--format svg --normal c", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(slurp(dir / "c").rfind("<svg ", 0), 0u);
    r = run("--format svgz --normal d", dir);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("gif, jpg, bmp, png, webp or svg"), std::string::npos) << r.err;

    // A textured design's live page lays the working texture from beside it.
    r = run("--set buttonWidth=64 --set buttonHeight=32 --normal tex.bmp", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    r = run("--texture tex.bmp --live-snippet t.html", dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const Decoded texture = decodePng(slurp(dir / "t-texture.png"));
    EXPECT_EQ(texture.width, 64);
    EXPECT_EQ(texture.height, 32);
    EXPECT_NE(slurp(dir / "t.html").find("url(\"t-texture.png\")"), std::string::npos);
    fs::remove_all(dir);
}
