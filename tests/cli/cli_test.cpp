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
using bevelmint::testing::Decoded;
using bevelmint::testing::decodePng;
using bevelmint::testing::decodeWebp;
using bevelmint::testing::freshDir;
using bevelmint::testing::slurp;

namespace {

struct Outcome {
    int status;
    std::string err;
    std::string out;
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
        {"missing.bvm --normal x.gif", "File not found"},
        {"--normal x.bmp --html x.html", "HTML doesn't support BMP"},
        {"--normal x.gif --pressed xp.jpg", "different picture formats"},
        {"--format tiff --normal x.gif", "--format"},
        {"--scale 5 --normal x.gif", "1..4"},
        {"--scales 1,two --normal x.gif", "--scales"},
        {"--scale 1,2 --normal x.gif", "--scale"},
        {"--normal x.gif --hover xh.png", "different picture formats"},
        {"--set hoverLift=99 --normal x.gif", "hoverLift"},
        {"--normal x.gif --html x.html --save no/such/dir/d.bvm", "File not found"},
        {"--set 'buttonText=a\nb' --normal x.gif --save d.bvm", "line break"},
    };
    for (const auto& [args, needle] : cases) {
        Outcome r = run(args, dir);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find(needle), std::string::npos) << args << ": " << r.err;
        for (const char* f : {"x.gif", "x.bmp", "x.html", "xp.jpg", "d.bvm"})
            EXPECT_FALSE(fs::exists(dir / f)) << args << " wrote " << f;
    }
    int entries = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 2);  // notes.bvm and stderr.txt: no temporary left behind
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
        EXPECT_NE(r.err.find("Not a regular file"), std::string::npos) << args << ": " << r.err;
        EXPECT_FALSE(fs::exists(dir / "o.bmp")) << args;
    }
    fs::remove_all(dir);
}

TEST(RenderCommand, AFileSizeLimitIsReportedAndLeavesNothingBehind) {
    const fs::path dir = freshDir("bevelmint-cli-fsize");
    std::ofstream(dir / "old.bvm") << "old";
    const std::string text(3000, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {"--set buttonText=" + text + " --save old.bvm", "old.bvm: Disk full"},
        {"--normal a.bmp --pressed b.bmp", "Cannot create file a.bmp"},
        {"--normal a.gif --html a.html", "Cannot create file a.gif"}};
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
    int entries = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 9);  // the eight pictures and stderr.txt

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
