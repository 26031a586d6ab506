// Exports written beside the window: input handled while they run, progress
// with Cancel after half a second, and a cancel that leaves every old file.
#include <gtest/gtest.h>

#include <QDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <filesystem>
#include <map>

#include "test_support.h"
#include "window_fixture.h"

namespace fs = std::filesystem;
using bevelmint::testing::contents;
using bevelmint::testing::freshDir;
using bevelmint::testing::slurp;

namespace {

// Nine labels at 3x in WebP: four pictures each and the page, 37 files.
void setUpLongExport(Window& w, const fs::path& folder) {
    auto& ed = w.form->editor();
    bevelmint::editor::WebSettings web = ed.web();
    web.format = state::WebFormat::webp;
    web.scales = {3};
    web.folder = folder.string();
    web.baseName = "shop";
    web.labels = "Home\nShop\nNews\nAbout\nHelp\nCart\nLogin\nSearch\nContact";
    ASSERT_TRUE(ed.setWebSettings(web));
}

// Lets the event loop run until `done` holds or the export has ended.
template <class Done>
void runUntil(Window& w, Done done) {
    while (!done() && w.form->exportRunner().running())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
}

void postClick(QWidget* target, QPoint at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            target,
            new QMouseEvent(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::NoModifier));
    }
}

}  // namespace

TEST(WindowExport, ALongExportLeavesTheWindowAnsweringAndShowsProgress) {
    const fs::path dir = freshDir("bevelmint-window-long-export");
    Window w;
    activate(w);
    w.form->exportRunner().setDialogDelay(100);
    setUpLongExport(w, dir);
    auto* pages = w.find<QTabWidget>("PageControl1");
    pages->setCurrentWidget(w.find<QWidget>("TabSheetWeb"));
    w.click("WebExport");
    ASSERT_TRUE(w.form->exportRunner().running());
    // The editor takes no edits meanwhile: the pages' controls are disabled.
    EXPECT_FALSE(w.find<QWidget>("TabSheetShape")->isEnabled());
    EXPECT_FALSE(w.find<QWidget>("ktBevelButton2")->isEnabled());
    EXPECT_FALSE(w.form->editor().setWidth(120));

    // A click on the Shape tab, posted while the files are written, is handled before they are.
    auto* tabs = pages->findChild<QTabBar*>();
    postClick(tabs, tabs->tabRect(0).center());
    runUntil(w, [&] { return pages->currentIndex() == 0; });
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_TRUE(w.form->exportRunner().running());
    // After the delay the progress dialog counts the files.
    runUntil(w, [&] { return w.form->exportRunner().progressShown(); });
    EXPECT_TRUE(w.form->exportRunner().progressShown());
    auto* bar = w.form->findChild<QProgressBar*>("ExportProgressBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->maximum(), 37);
    waitForExport(w);
    EXPECT_FALSE(w.form->findChild<QDialog*>("ExportProgress")->isVisible());
    ASSERT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("; ").toStdString();
    ASSERT_EQ(w.desktop.informed.size(), 1);
    EXPECT_TRUE(w.desktop.informed[0].startsWith("Complete: 37 Files Saved !"));
    EXPECT_EQ(contents(dir).size(), 37u);
    EXPECT_TRUE(w.find<QWidget>("TabSheetShape")->isEnabled());
    EXPECT_TRUE(w.find<QWidget>("ktBevelButton2")->isEnabled());
    EXPECT_TRUE(w.form->editor().setWidth(120));

    // A quick export shows no dialog.
    w.desktop.files.push_back(QString::fromStdString((dir / "one.gif").string()));
    w.click("ktBevelButton9");
    waitForExport(w);
    EXPECT_TRUE(fs::exists(dir / "one.gif"));
    EXPECT_FALSE(w.form->exportRunner().progressShown());
    fs::remove_all(dir);
}

TEST(WindowExport, CancelLeavesEveryOldFileAndNoTemporaryFile) {
    const fs::path dir = freshDir("bevelmint-window-cancel");
    Window w;
    activate(w);
    setUpLongExport(w, dir);
    std::ofstream(dir / "shop.html") << "the old page";
    std::ofstream(dir / "shop-home@3x.webp") << "the old picture";
    std::ofstream(dir / "notes.txt") << "not the export's";
    const auto before = contents(dir);
    w.menu("ExportWeb1");
    auto* bar = w.form->findChild<QProgressBar*>("ExportProgressBar");
    ASSERT_NE(bar, nullptr);
    runUntil(w, [&] { return bar->value() >= 1; });  // some files are written midway
    ASSERT_TRUE(w.form->exportRunner().running());
    w.form->findChild<QPushButton*>("ExportCancel")->click();
    waitForExport(w);
    EXPECT_EQ(contents(dir), before);
    EXPECT_TRUE(w.desktop.informed.isEmpty()) << w.desktop.informed.join("; ").toStdString();
    EXPECT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("; ").toStdString();

    // Closing the window while an export runs cancels it the same way.
    w.menu("ExportWeb1");
    ASSERT_TRUE(w.form->exportRunner().running());
    w.desktop.saveAnswers = {app::Desktop::SaveAnswer::discard};
    EXPECT_TRUE(w.form->close());
    EXPECT_FALSE(w.form->exportRunner().running());
    EXPECT_EQ(contents(dir), before);
    fs::remove_all(dir);
}

// A picture no palette can hold stays lossless, and the Complete message says
// so after the files.
TEST(WindowExport, ThePalettesNoticesFollowTheFiles) {
    const fs::path dir = freshDir("bevelmint-window-palette-notice");
    image::Picture noise(100, 40);
    uint32_t seed = 9;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x, seed = seed * 1103515245 + 12345)
            noise.setPixel(x, y, (seed >> 8) & 0xFFFFFF);
    const std::string texture = (dir / "noise.bmp").string();
    base::writeFileReplacing(texture, image::encodeBmp(noise, 100, 40));
    Window w;
    ASSERT_FALSE(w.form->editor().loadTexture(texture));
    auto web = w.form->editor().web();
    web.folder = (dir / "out").string();
    web.palette = true;
    web.scales = {1};
    ASSERT_TRUE(w.form->editor().setWebSettings(web));
    fs::create_directory(dir / "out");
    w.menu("ExportWeb1");
    waitForExport(w);
    ASSERT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("; ").toStdString();
    ASSERT_EQ(w.desktop.informed.size(), 1);
    const QStringList lines = w.desktop.informed[0].split('\r');
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [](const QString& l) { return l.contains("kept lossless"); });
    ASSERT_NE(first, lines.end()) << w.desktop.informed[0].toStdString();
    EXPECT_TRUE(first[-1].isEmpty());  // a blank line after the files
    fs::remove_all(dir);
}
