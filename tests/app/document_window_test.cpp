// The design as a document: Save and Save As, the modified mark, loading over
// changes, undoing a load, and web folders relative to the design file.
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QScrollBar>
#include <QWindow>
#include <filesystem>

#include "files/design_file.h"
#include "test_support.h"
#include "window_fixture.h"

namespace fs = std::filesystem;
using bevelmint::testing::freshDir;
using Answer = app::Desktop::SaveAnswer;

namespace {

QString in(const fs::path& dir, const char* name) {
    return QString::fromStdString((dir / name).string());
}

// The width a design file holds (its third line).
int savedWidth(const fs::path& design) {
    bevelmint::state::ButtonState s;
    bevelmint::render::TextureImages images;
    EXPECT_FALSE(bevelmint::files::readDesignFile(design.string(), s, images).error);
    return s.buttonWidth;
}

void setWidth(Window& w, int width) {
    w.find<QScrollBar>("FatScrollBar2")->setValue(width);
}

// A design file of that width, written by a window of its own.
void writeDesign(const fs::path& path, int width) {
    Window maker;
    setWidth(maker, width);
    ASSERT_FALSE(maker.form->editor().saveDesign(path.string()));
}

}  // namespace

TEST(WindowDocument, SaveWritesTheOpenFileAndSaveAsAlwaysAsks) {
    const fs::path dir = freshDir("bevelmint-window-save");
    fs::create_directories(dir / "designs");
    fs::create_directories(dir / "pictures");
    Window w;
    activate(w);
    w.form->editor().setLastFile((dir / "designs" / "older.bvm").string());
    // A picture dialog moved the current folder; the design's dialog starts beside the last design.
    w.desktop.files.push_back(in(dir / "pictures", "b.gif"));
    w.click("Button7");
    setWidth(w, 120);
    w.desktop.files.push_back(in(dir / "designs", "a.bvm"));
    shortcut(w, "Ctrl+S");
    ASSERT_EQ(w.desktop.titles.size(), 2);
    EXPECT_EQ(w.desktop.titles[1], "Save the design as");
    EXPECT_EQ(w.desktop.suggested[1], in(dir / "designs", "untitled.bvm"));
    EXPECT_EQ(savedWidth(dir / "designs" / "a.bvm"), 120);

    // Saved once, Ctrl+S, the toolbar's button and the menu write it again without a dialog.
    setWidth(w, 130);
    shortcut(w, "Ctrl+S");
    EXPECT_EQ(savedWidth(dir / "designs" / "a.bvm"), 130);
    setWidth(w, 140);
    w.click("ktBevelButton2");
    EXPECT_EQ(savedWidth(dir / "designs" / "a.bvm"), 140);
    setWidth(w, 150);
    w.menu("Save1");
    EXPECT_EQ(savedWidth(dir / "designs" / "a.bvm"), 150);
    EXPECT_EQ(w.desktop.titles.size(), 2);
    EXPECT_FALSE(w.form->isWindowModified());

    // Save As asks every time, starting at the open file, and names the new one.
    setWidth(w, 160);
    w.desktop.files.push_back(in(dir / "designs", "b.bvm"));
    shortcut(w, "Ctrl+Shift+S");
    ASSERT_EQ(w.desktop.titles.size(), 3);
    EXPECT_EQ(w.desktop.suggested[2], in(dir / "designs", "a.bvm"));
    EXPECT_EQ(savedWidth(dir / "designs" / "b.bvm"), 160);
    EXPECT_EQ(savedWidth(dir / "designs" / "a.bvm"), 150);
    EXPECT_EQ(w.form->windowTitle(), "b.bvm[*] - Bevelmint");
    w.desktop.files.push_back(std::nullopt);
    w.menu("SaveAs1");
    EXPECT_EQ(w.desktop.titles.size(), 4);

    // The close question's Save is Ctrl+S: no dialog for a named design.
    setWidth(w, 170);
    w.desktop.saveAnswers = {Answer::save};
    EXPECT_TRUE(w.form->close());
    EXPECT_EQ(w.desktop.titles.size(), 4);
    EXPECT_EQ(savedWidth(dir / "designs" / "b.bvm"), 170);
    fs::remove_all(dir);
}

TEST(WindowDocument, TheMarkShowsExactlyWhenClosingWouldAsk) {
    Window w;
    activate(w);
    auto shownTitle = [&] { return w.form->windowHandle()->title(); };
    EXPECT_EQ(shownTitle(), "Bevelmint");
    auto asks = [&] {
        const int before = w.desktop.askedToSave;
        w.desktop.saveAnswers = {Answer::cancel};
        if (w.form->close()) w.form->show();
        return w.desktop.askedToSave > before;
    };
    EXPECT_FALSE(w.form->isWindowModified());
    setWidth(w, 140);  // a new design that has changes
    EXPECT_EQ(shownTitle(), "Bevelmint*");
    EXPECT_TRUE(asks());
    w.menu("Undo1");
    EXPECT_EQ(shownTitle(), "Bevelmint");
    EXPECT_FALSE(asks());
    w.menu("Redo1");
    EXPECT_TRUE(w.form->isWindowModified());
    EXPECT_TRUE(asks());
    w.click("SpeedButton1");  // fast edit is no change to the design
    w.click("SpeedButton1");
    setWidth(w, 100);  // back where it started
    EXPECT_FALSE(w.form->isWindowModified());
    EXPECT_FALSE(asks());
}

TEST(WindowDocument, LoadingOverChangesAsksFirst) {
    const fs::path dir = freshDir("bevelmint-window-load-over");
    writeDesign(dir / "a.bvm", 120);
    writeDesign(dir / "b.bvm", 200);
    Window w;
    w.desktop.files.push_back(in(dir, "a.bvm"));
    w.click("ktBevelButton7");
    EXPECT_EQ(w.desktop.askedToSave, 0);  // nothing to lose
    setWidth(w, 150);

    w.desktop.saveAnswers = {Answer::cancel};
    w.desktop.files.push_back(in(dir, "b.bvm"));
    w.click("ktBevelButton7");
    EXPECT_EQ(w.desktop.askedToSave, 1);
    EXPECT_EQ(w.desktop.occasions.last(), "loading another design");
    EXPECT_EQ(w.desktop.files.size(), 1u);  // no open dialog shown
    EXPECT_EQ(w.form->design().buttonWidth, 150);

    w.desktop.saveAnswers = {Answer::save};  // saved, then loaded
    w.click("ktBevelButton7");
    EXPECT_EQ(savedWidth(dir / "a.bvm"), 150);
    EXPECT_EQ(w.form->design().buttonWidth, 200);

    // Load Last asks the same way; Discard drops the change.
    setWidth(w, 90);
    w.desktop.saveAnswers = {Answer::cancel};
    w.click("ktBevelButton8");
    EXPECT_EQ(w.form->design().buttonWidth, 90);
    w.desktop.saveAnswers = {Answer::discard};
    w.menu("LoadLast1");
    EXPECT_EQ(w.desktop.askedToSave, 4);
    EXPECT_EQ(w.form->design().buttonWidth, 200);
    EXPECT_EQ(savedWidth(dir / "b.bvm"), 200);
    EXPECT_FALSE(w.form->isWindowModified());
    fs::remove_all(dir);
}

TEST(WindowDocument, UndoingALoadBringsBackTheDocumentItReplaced) {
    const fs::path dir = freshDir("bevelmint-window-undo-load");
    writeDesign(dir / "a.bvm", 120);
    writeDesign(dir / "b.bvm", 200);
    Window w;
    activate(w);
    w.desktop.files.push_back(in(dir, "a.bvm"));
    shortcut(w, "Ctrl+O");
    setWidth(w, 150);
    w.desktop.saveAnswers = {Answer::discard};
    w.desktop.files.push_back(in(dir, "b.bvm"));
    shortcut(w, "Ctrl+O");
    EXPECT_EQ(w.form->windowTitle(), "b.bvm[*] - Bevelmint");

    shortcut(w, "Ctrl+Z");
    EXPECT_EQ(w.form->windowTitle(), "a.bvm[*] - Bevelmint");
    EXPECT_TRUE(w.form->isWindowModified());
    EXPECT_EQ(w.form->windowHandle()->title(), "a.bvm* - Bevelmint");
    EXPECT_EQ(w.form->design().buttonWidth, 150);
    shortcut(w, "Ctrl+S");
    EXPECT_EQ(savedWidth(dir / "a.bvm"), 150);
    EXPECT_EQ(savedWidth(dir / "b.bvm"), 200);
    EXPECT_FALSE(w.form->isWindowModified());

    shortcut(w, "Ctrl+Y");  // the load again, with its own document
    EXPECT_EQ(w.form->windowTitle(), "b.bvm[*] - Bevelmint");
    EXPECT_FALSE(w.form->isWindowModified());
    shortcut(w, "Ctrl+Z");
    EXPECT_EQ(w.form->windowTitle(), "a.bvm[*] - Bevelmint");
    EXPECT_FALSE(w.form->isWindowModified());  // saved since
    fs::remove_all(dir);
}

// webFolder=buttons in shop/go.bvm means shop/buttons/, whatever the current
// folder, in the window and in bevelmint-render alike.
TEST(WindowDocument, RelativeWebFoldersLieInTheDesignFilesFolder) {
    const fs::path dir = freshDir("bevelmint-window-web-folder");
    for (const char* sub : {"shop/buttons", "elsewhere/buttons", "cli/shop/buttons"})
        fs::create_directories(dir / sub);
    const QString start = QDir::currentPath();
    {
        Window maker;
        auto web = maker.form->editor().web();
        web.folder = "buttons";
        web.baseName = "go";
        ASSERT_TRUE(maker.form->editor().setWebSettings(web));
        // Never saved, it resolves against the current folder, as before.
        QDir::setCurrent(QString::fromStdString((dir / "elsewhere").string()));
        maker.menu("ExportWeb1");
        waitForExport(maker);
        ASSERT_FALSE(maker.form->editor().saveDesign((dir / "shop" / "go.bvm").string()));
        maker.menu("ExportWeb1");
        waitForExport(maker);
    }
    EXPECT_TRUE(fs::exists(dir / "elsewhere" / "buttons" / "go.html"));
    EXPECT_TRUE(fs::exists(dir / "shop" / "buttons" / "go.html"));
    fs::remove_all(dir / "shop" / "buttons");
    fs::create_directories(dir / "shop" / "buttons");
    fs::remove_all(dir / "elsewhere" / "buttons");
    fs::create_directories(dir / "elsewhere" / "buttons");

    Window w;
    w.desktop.files.push_back(in(dir / "shop", "go.bvm"));
    w.click("ktBevelButton7");
    EXPECT_EQ(w.form->editor().webFolder(), (dir / "shop" / "buttons").string());
    QDir::setCurrent(QString::fromStdString((dir / "elsewhere").string()));
    w.menu("ExportWeb1");
    waitForExport(w);
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("; ").toStdString();
    EXPECT_TRUE(fs::exists(dir / "shop" / "buttons" / "go.html"));
    EXPECT_TRUE(fs::is_empty(dir / "elsewhere" / "buttons"));
    w.desktop.files.push_back(std::nullopt);
    w.click("WebSave");
    EXPECT_EQ(w.desktop.suggested.last().toStdString(),
              (dir / "shop" / "buttons" / "go.html").string());

    fs::copy(dir / "shop" / "go.bvm", dir / "cli" / "shop" / "go.bvm");
    const std::string command = "cd " + (dir / "elsewhere").string() + " && " +
                                BEVELMINT_RENDER_EXE + " ../cli/shop/go.bvm --web";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(fs::exists(dir / "cli" / "shop" / "buttons" / "go.html"));
    EXPECT_TRUE(fs::is_empty(dir / "elsewhere" / "buttons"));
    QDir::setCurrent(start);
    fs::remove_all(dir);
}
