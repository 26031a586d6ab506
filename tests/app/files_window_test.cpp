// Save, load, export and HTML through the window's controls, with scripted dialogs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <cstdlib>
#include <filesystem>

#include "test_support.h"
#include "window_fixture.h"

namespace fs = std::filesystem;
using bevelmint::testing::freshDir;
using bevelmint::testing::slurp;

namespace {

QString in(const fs::path& dir, const char* name) {
    return QString::fromStdString((dir / name).string());
}

}  // namespace

TEST(WindowFiles, SaveThenLoadRestoresEveryControlAndTheTexture) {
    const fs::path dir = freshDir("bevelmint-window-files");
    fs::create_directories(dir / "moved");
    writeTexture((dir / "wood.bmp").string());
    Window w;
    w.desktop.files.push_back(in(dir, "wood.bmp"));
    w.click("AMCheckBox4");
    w.click("AMRadioButton3");
    w.find<QScrollBar>("FatScrollBar1")->setValue(30);
    w.find<QScrollBar>("FatScrollBar4")->setValue(9);
    w.click("AMRadioButton9");
    w.find<QScrollBar>("FatScrollBar14")->setValue(150);
    w.click("AMCheckBox3");
    w.find<QLineEdit>("Edit5")->setText("Go");
    w.click("ktBevelButton4");
    w.find<QScrollBar>("FatScrollBar18")->setValue(40);
    w.click("AMRadioButton13");
    w.desktop.files.push_back(in(dir, "d.bvm"));
    w.click("ktBevelButton2");
    ASSERT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("; ").toStdString();
    ASSERT_TRUE(fs::exists(dir / "d.bvm"));
    fs::rename(dir / "d.bvm", dir / "moved" / "d.bvm");
    fs::copy(dir / "wood.bmp", dir / "moved" / "wood.bmp");

    Window fresh;
    fresh.desktop.files.push_back(in(dir / "moved", "d.bvm"));
    const int renders = fresh.form->renderCount();
    fresh.click("ktBevelButton7");
    EXPECT_EQ(fresh.form->renderCount(), renders + 1);  // a load renders once
    EXPECT_TRUE(fresh.desktop.informed.isEmpty())
        << fresh.desktop.informed.join("; ").toStdString();
    EXPECT_TRUE(fresh.find<QRadioButton>("AMRadioButton3")->isChecked());
    EXPECT_TRUE(fresh.find<QWidget>("FatScrollBar1")->isVisibleTo(fresh.form.get()));
    EXPECT_EQ(fresh.find<QScrollBar>("FatScrollBar1")->value(), 30);
    EXPECT_EQ(fresh.find<QScrollBar>("FatScrollBar2")->value(), 64);
    EXPECT_EQ(fresh.find<QScrollBar>("FatScrollBar4")->value(), 9);
    EXPECT_TRUE(fresh.find<QRadioButton>("AMRadioButton9")->isChecked());
    EXPECT_EQ(fresh.find<QScrollBar>("FatScrollBar14")->value(), 150);
    EXPECT_TRUE(fresh.find<QCheckBox>("AMCheckBox3")->isChecked());
    EXPECT_EQ(fresh.find<QLineEdit>("Edit5")->text(), "Go");
    EXPECT_TRUE(fresh.find<QCheckBox>("AMCheckBox4")->isChecked());
    EXPECT_EQ(fresh.find<QScrollBar>("FatScrollBar18")->value(), 40);
    EXPECT_EQ(fresh.find<QLabel>("Label30")->text(), "64");
    EXPECT_TRUE(fresh.find<QRadioButton>("AMRadioButton13")->isChecked());
    EXPECT_TRUE(fresh.find<QWidget>("TrackBar3")->isEnabled());
    EXPECT_EQ(fresh.form->design().buttonRed, w.form->design().buttonRed);
    EXPECT_EQ(fresh.form->pipeline().normal().cut(64, 32), w.form->pipeline().normal().cut(64, 32));

    // Moved without its texture: "Load error", and the rest still loads.
    fs::remove(dir / "moved" / "wood.bmp");
    Window lost;
    lost.desktop.files.push_back(in(dir / "moved", "d.bvm"));
    lost.click("ktBevelButton7");
    ASSERT_EQ(lost.desktop.informed.size(), 1);
    EXPECT_TRUE(
        lost.desktop.informed[0].startsWith("Load error: the background texture bitmap \r\r"));
    EXPECT_FALSE(lost.find<QCheckBox>("AMCheckBox4")->isChecked());
    EXPECT_EQ(lost.find<QScrollBar>("FatScrollBar1")->value(), 30);
    fs::remove_all(dir);
}

TEST(WindowFiles, LoadLastAndBadDesigns) {
    const fs::path dir = freshDir("bevelmint-window-loadlast");
    Window w;
    w.click("ktBevelButton8");
    EXPECT_EQ(
        w.desktop.informed,
        QStringList{
            "No File saved: Sorry, you can not load the last button when you didn't open or save a "
            "button ever!"});
    w.form->editor().setLastFile((dir / "gone.bvm").string());
    const int renders = w.form->renderCount();
    w.click("ktBevelButton8");
    // A vanished last file is named, and forgotten.
    ASSERT_EQ(w.desktop.informed.size(), 2);
    EXPECT_EQ(w.desktop.informed[1], "File not found: The last button file\r\r" +
                                         in(dir, "gone.bvm") +
                                         "\r\rwas moved or deleted; Load Last forgets it.");
    EXPECT_EQ(w.form->editor().session().lastFile, "");
    EXPECT_EQ(w.form->renderCount(), renders);
    w.click("ktBevelButton8");
    EXPECT_TRUE(w.desktop.informed.last().startsWith("No File saved: "));
    w.desktop.informed.clear();

    std::ofstream(dir / "notes.bvm") << "shopping list";
    w.find<QScrollBar>("FatScrollBar2")->setValue(150);
    w.desktop.files.push_back(in(dir, "notes.bvm"));
    w.click("ktBevelButton7");
    ASSERT_EQ(w.desktop.errors.size(), 1);
    EXPECT_TRUE(w.desktop.errors[0].contains("not a valid Bevelmint design file"));
    EXPECT_EQ(w.form->design().buttonWidth, 150);

    // A design named on the command line; one that cannot be read still gives a usable window.
    ScriptedDesktop desktop;
    MemoryStore store;
    app::seedFirstStart(store, "/nowhere");
    app::MainWindow bad(desktop, store, {in(dir, "notes.bvm"), in(dir, "other.bvm")}, false);
    EXPECT_EQ(desktop.errors.size(), 1);
    EXPECT_EQ(bad.renderCount(), 1);
    fs::remove_all(dir);
}

TEST(WindowFiles, LineTwentyNineSelectsJpegAndShowsItsSettings) {
    const fs::path dir = freshDir("bevelmint-window-jpeg");
    Window saver;
    saver.click("AMRadioButton13");
    saver.click("AMCheckBox7");
    saver.desktop.files.push_back(in(dir, "j.bvm"));
    saver.click("ktBevelButton2");
    Window w;  // GIF selected
    w.form->editor().setLastFile((dir / "j.bvm").string());
    w.click("ktBevelButton8");
    EXPECT_TRUE(w.find<QRadioButton>("AMRadioButton13")->isChecked());
    EXPECT_TRUE(w.find<QWidget>("TrackBar3")->isVisibleTo(w.find<QWidget>("TabSheetExport")));
    EXPECT_TRUE(w.find<QCheckBox>("AMCheckBox7")->isChecked());
    fs::remove_all(dir);
}

TEST(WindowFiles, ExportAsksForNamesAndLeavesFastEditMode) {
    const fs::path dir = freshDir("bevelmint-window-export");
    Window w;
    w.click("AMCheckBox6");
    w.desktop.files = {in(dir, "b.gif"), std::nullopt};  // the pressed name's dialog is cancelled
    w.click("ktBevelButton9");
    waitForExport(w);
    // Each dialog says which picture it names; a cancelled one cancels quietly.
    EXPECT_EQ(w.desktop.titles,
              QStringList({"Save the button at rest as", "Save the pressed button as"}));
    EXPECT_TRUE(w.desktop.informed.isEmpty()) << w.desktop.informed.join("; ").toStdString();
    EXPECT_TRUE(w.desktop.errors.isEmpty());
    EXPECT_FALSE(fs::exists(dir / "b.gif"));

    w.click("SpeedButton1");
    EXPECT_TRUE(w.form->editor().session().fastEdit);
    w.desktop.files = {in(dir, "bp.gif")};
    w.click("ktBevelButton9");
    waitForExport(w);
    // The fixed text, and beneath it the files written.
    EXPECT_EQ(w.desktop.informed.last(),
              "Complete: Files Saved !\r\r" + in(dir, "b.gif") + "\r" + in(dir, "bp.gif"));
    EXPECT_FALSE(w.form->editor().session().fastEdit);
    EXPECT_EQ(slurp(dir / "b.gif").substr(0, 6), "GIF87a");
    EXPECT_TRUE(fs::exists(dir / "bp.gif"));

    // An unwritable folder: the error names the file, nothing partial is left.
    w.click("AMRadioButton14");  // BMP, and the path fields are emptied
    EXPECT_TRUE(w.find<QLineEdit>("Edit13")->text().isEmpty());
    w.desktop.files = {in(dir / "missing", "x.bmp")};
    w.click("ktBevelButton9");
    waitForExport(w);
    ASSERT_FALSE(w.desktop.errors.isEmpty());
    EXPECT_EQ(w.desktop.errors.last(),
              "Cannot create file " + in(dir / "missing", "x.bmp") + ": the folder " +
                  QString::fromStdString((dir / "missing").string()) + " does not exist.");

    // A read-only folder is reported as read-only; the design's save says so too.
    fs::create_directories(dir / "locked");
    if (!bevelmint::testing::makeReadOnly(dir / "locked")) {
        bevelmint::testing::makeWritable(dir / "locked");
        GTEST_SKIP() << "no way to make a folder read-only here";
    }
    const QString locked = QString::fromStdString((dir / "locked").string());
    w.desktop.files = {in(dir / "locked", "y.bmp"), in(dir / "locked", "d.bvm")};
    w.click("AMRadioButton14");
    w.click("ktBevelButton9");
    waitForExport(w);
    w.click("ktBevelButton2");
    bevelmint::testing::makeWritable(dir / "locked");
    ASSERT_GE(w.desktop.errors.size(), 3);
    EXPECT_EQ(w.desktop.errors[w.desktop.errors.size() - 2],
              "Cannot create file " + in(dir / "locked", "y.bmp") + ": the folder " + locked +
                  " is read-only.");
    EXPECT_EQ(w.desktop.errors.last(), "Cannot write " + in(dir / "locked", "d.bvm") +
                                           ": the folder " + locked + " is read-only.");
    EXPECT_TRUE(fs::is_empty(dir / "locked"));
    fs::remove_all(dir);
}

// A larger button drawn before leaves nothing in the pictures of a smaller one:
// the export and the hover preview are what bevelmint-render draws from the
// saved design, byte for byte. The round rectangle's edge ring lies one row
// below the shrunk button, beside the ellipse that grows over it.
TEST(WindowFiles, ExportAfterShrinkingWritesWhatTheRendererWrites) {
    const fs::path dir = freshDir("bevelmint-window-shrunk");
    Window w;
    // The Web page shows the hover picture, drawn again after every change.
    w.find<QTabWidget>("PageControl1")->setCurrentWidget(w.find<QWidget>("TabSheetWeb"));
    w.click("AMRadioButton3");
    w.click("AMCheckBox8");
    w.find<QScrollBar>("FatScrollBar2")->setValue(300);
    w.find<QScrollBar>("FatScrollBar3")->setValue(150);
    w.find<QScrollBar>("FatScrollBar3")->setValue(40);
    w.click("AMRadioButton2");
    w.find<QScrollBar>("FatScrollBar3")->setValue(150);
    w.click("AMRadioButton14");
    w.click("AMCheckBox6");
    w.desktop.files = {in(dir, "b.bmp"), in(dir, "bp.bmp"), in(dir, "d.bvm")};
    w.click("ktBevelButton9");
    waitForExport(w);
    w.click("ktBevelButton2");
    ASSERT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("; ").toStdString();
    ASSERT_TRUE(fs::exists(dir / "d.bvm"));
    const std::string cli = std::string(BEVELMINT_RENDER_EXE) + " " + (dir / "d.bvm").string() +
                            " --normal " + (dir / "c.bmp").string() + " --pressed " +
                            (dir / "cp.bmp").string() + " --hover " + (dir / "ch.bmp").string();
    ASSERT_EQ(std::system(cli.c_str()), 0);
    const std::string normal = slurp(dir / "b.bmp");
    EXPECT_EQ(normal.size(), 54u + 300 * 150 * 3);
    EXPECT_TRUE(normal == slurp(dir / "c.bmp"));
    EXPECT_TRUE(slurp(dir / "bp.bmp") == slurp(dir / "cp.bmp"));
    EXPECT_TRUE(image::encodeBmp(w.form->editor().hover(), 300, 150) == slurp(dir / "ch.bmp"));
    fs::remove_all(dir);
}

TEST(WindowFiles, HtmlTagCopyAndSave) {
    const fs::path dir = freshDir("bevelmint-window-html");
    Window w;
    w.click("SpeedButton3");
    EXPECT_TRUE(w.desktop.informed.last().startsWith(
        "Missing File Name(s): Please enter a filename for the "
        "button-picture at Export-Section first."));
    EXPECT_TRUE(w.desktop.informed.last().contains("then make sure\rto enter a second filename"));
    w.desktop.files = {in(dir, "b.gif")};
    w.click("Button7");
    w.click("SpeedButton6");  // nothing saved yet: nothing opens
    EXPECT_TRUE(w.desktop.opened.isEmpty());
    w.click("SpeedButton3");
    auto* memo = w.find<QPlainTextEdit>("Memo1");
    EXPECT_EQ(memo->toPlainText().count('\n'), 4);  // five lines, the last without a line end
    EXPECT_TRUE(w.find<QWidget>("SpeedButton4")->isEnabled());
    w.click("SpeedButton4");
    EXPECT_TRUE(w.desktop.clipboard.startsWith(
        "<A HREF=\"http://www.your-site.example/\">\r\n<IMG SRC=\"b.gif\""));
    EXPECT_TRUE(w.desktop.clipboard.endsWith("\r\n></A>"));

    memo->setPlainText("<P>edited</P>");
    w.desktop.files = {in(dir, "page.html")};
    w.click("SpeedButton5");
    EXPECT_EQ(slurp(dir / "page.html"),
              "<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n<P>edited</P>\r\n</HTML>\r\n");
    w.click("SpeedButton6");
    EXPECT_EQ(w.desktop.opened, QStringList{in(dir, "page.html")});
    EXPECT_EQ(w.desktop.titles.last(), "Save the HTML page as");
    // A page gone since, or a desktop without a browser, is reported.
    w.desktop.openWorks = false;
    w.click("SpeedButton6");
    EXPECT_EQ(w.desktop.errors.last(), "No program could open " + in(dir, "page.html") +
                                           "; open it in a web browser yourself.");
    fs::remove(dir / "page.html");
    w.click("SpeedButton6");
    EXPECT_EQ(w.desktop.errors.last(),
              "Cannot open " + in(dir, "page.html") + ": there is no such file.");
    EXPECT_EQ(w.desktop.opened.size(), 2);

    w.click("AMCheckBox6");
    w.desktop.files = {in(dir, "bp.gif")};
    w.click("Button8");
    w.click("SpeedButton3");
    EXPECT_EQ(memo->toPlainText().count('\n'), 6);  // six lines and a final line end
    w.click("AMRadioButton14");
    w.desktop.files = {in(dir, "b.bmp")};
    w.click("Button7");
    w.click("SpeedButton3");
    EXPECT_TRUE(w.desktop.informed.last().startsWith("HTML doesn't support BMP: "));
    fs::remove_all(dir);
}
