// The Web page: its settings under undo, "Export for Web" against bevelmint-render,
// the three previews, the contrast figures and the web button test mode.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <filesystem>
#include <fstream>
#include <map>

#include "app/pictures.h"
#include "test_support.h"
#include "window_fixture.h"

namespace fs = std::filesystem;
using bevelmint::testing::freshDir;
using bevelmint::testing::slurp;

namespace {

void showWebPage(Window& w) {
    auto* pages = w.find<QTabWidget>("PageControl1");
    pages->setCurrentWidget(w.find<QWidget>("TabSheetWeb"));
}

app::WebPage* webPage(Window& w) {
    return w.find<app::WebPage>("TabSheetWeb");
}

void chooseMarkup(Window& w, int index) {
    auto* box = w.find<QComboBox>("WebMarkup");
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void typeLabels(Window& w, const QString& labels) {
    w.find<QPlainTextEdit>("WebLabels")->setPlainText(labels);
    webPage(w)->commitLabels();
}

// Every file of a folder and its bytes.
std::map<std::string, std::string> contents(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir))
        files[entry.path().filename().string()] = slurp(entry.path());
    return files;
}

int run(const std::string& command) {
    return std::system(command.c_str());
}

QString text(Window& w, const char* name) {
    return w.find<QLabel>(name)->text();
}

}  // namespace

TEST(WindowWeb, ControlsSetTheWebSettingsAndUndoRestoresThem) {
    Window w;
    showWebPage(w);
    auto& ed = w.form->editor();
    const bevelmint::editor::WebSettings start = ed.web();
    w.click("WebFormatWebp");
    w.click("WebScale3");
    w.click("WebScale1");
    w.click("WebScale2");
    w.click("WebScale3");  // the last scale stays
    EXPECT_TRUE(w.find<QCheckBox>("WebScale3")->isChecked());
    w.find<QScrollBar>("WebHoverLift")->setValue(45);
    auto* name = w.find<QLineEdit>("WebBaseName");
    name->setText(" shop ");
    emit name->editingFinished();
    // A refused name stops the export it was typed for.
    name->setText("a/b");
    w.desktop.folders.push_back("/nowhere");
    w.click("WebExport");
    waitForExport(w);
    EXPECT_EQ(w.desktop.errors, QStringList{"The base name must be a file name without folders."});
    EXPECT_EQ(w.desktop.folders.size(), 1u);
    EXPECT_EQ(name->text(), "shop");
    chooseMarkup(w, 2);
    typeLabels(w, "Buy\nSell");
    EXPECT_EQ(ed.web().format, state::WebFormat::webp);
    EXPECT_EQ(ed.web().scales, std::vector<int>{3});
    EXPECT_EQ(ed.state().hoverLift, 45);
    EXPECT_EQ(text(w, "WebHoverLiftValue"), "45");
    EXPECT_EQ(ed.web().baseName, "shop");
    EXPECT_EQ(ed.web().markup, bevelmint::editor::WebMarkup::imgBundle);
    EXPECT_EQ(ed.web().labels, "Buy\nSell");
    // The e-mail bundle of the set, by the 1x pictures' names (there is no 2x).
    const QString markup = w.find<QPlainTextEdit>("WebMarkupBox")->toPlainText();
    EXPECT_TRUE(markup.contains("shop-buy@3x.webp")) << markup.toStdString();

    for (int k = 0; k < 8; ++k)
        w.menu("Undo1");
    EXPECT_EQ(ed.web(), start);
    EXPECT_EQ(ed.state().hoverLift, state::defaultState().hoverLift);
    EXPECT_FALSE(ed.canUndo());
    EXPECT_TRUE(w.find<QRadioButton>("WebFormatPng")->isChecked());
    EXPECT_TRUE(w.find<QCheckBox>("WebScale1")->isChecked());
    EXPECT_TRUE(w.find<QCheckBox>("WebScale2")->isChecked());
    EXPECT_FALSE(w.find<QCheckBox>("WebScale3")->isChecked());
    EXPECT_EQ(w.find<QScrollBar>("WebHoverLift")->value(), 20);
    EXPECT_EQ(name->text(), "button");
    EXPECT_EQ(w.find<QComboBox>("WebMarkup")->currentIndex(), 0);
    EXPECT_TRUE(w.find<QPlainTextEdit>("WebLabels")->toPlainText().isEmpty());
    w.menu("Redo1");
    EXPECT_TRUE(w.find<QRadioButton>("WebFormatWebp")->isChecked());
}

// The window's export writes byte for byte what bevelmint-render writes for the
// same design and options; one file that cannot be written leaves nothing.
TEST(WindowWeb, ExportForWebWritesWhatTheRendererWritesOrNothing) {
    const fs::path dir = freshDir("bevelmint-window-web");
    for (const char* sub : {"window", "cli", "blocked"})
        fs::create_directory(dir / sub);
    Window w;
    w.click("AMRadioButton3");
    w.find<QScrollBar>("FatScrollBar2")->setValue(140);
    w.find<QScrollBar>("WebHoverLift")->setValue(35);
    typeLabels(w, "Buy now\nSell");
    showWebPage(w);
    // A name still being typed is what the export uses.
    w.find<QLineEdit>("WebBaseName")->setText("shop");
    // Without a folder the export asks for one first.
    w.desktop.folders.push_back(QString::fromStdString((dir / "window").string()));
    w.click("WebExport");
    waitForExport(w);
    ASSERT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("; ").toStdString();
    ASSERT_EQ(w.desktop.informed.size(), 1);
    EXPECT_TRUE(w.desktop.informed[0].startsWith(
        "Complete: 17 Files Saved !\r\r" +
        QString::fromStdString((dir / "window" / "shop.html").string())))
        << w.desktop.informed[0].toStdString();
    // The markup saved by hand goes beside the pictures it names by default.
    w.desktop.files.push_back(QString::fromStdString((dir / "copy.html").string()));
    w.click("WebSave");
    EXPECT_EQ(w.desktop.suggested.back().toStdString(), (dir / "window" / "shop.html").string());
    EXPECT_EQ(QString::fromStdString(slurp(dir / "copy.html")),
              w.find<QPlainTextEdit>("WebMarkupBox")->toPlainText());
    fs::remove(dir / "copy.html");
    w.click("WebExport");
    waitForExport(w);
    w.click("WebOpen");
    ASSERT_EQ(w.desktop.opened.size(), 1);
    EXPECT_EQ(w.desktop.opened[0].toStdString(), (dir / "window" / "shop.html").string());

    ASSERT_FALSE(w.form->editor().saveDesign((dir / "d.bvm").string()));
    std::ofstream(dir / "labels.txt") << "Buy now\nSell\n";
    const std::string out = (dir / "cli").string() + "/shop";
    ASSERT_EQ(
        run(std::string(BEVELMINT_RENDER_EXE) + " " + (dir / "d.bvm").string() + " --labels " +
            (dir / "labels.txt").string() + " --format png --scales 1,2 --normal " + out +
            ".png --hover " + out + "-hover.png --pressed " + out + "-pressed.png --sprite " + out +
            "-sprite.png --css-page " + out + ".html"),
        0);
    const auto window = contents(dir / "window");
    EXPECT_EQ(window.size(), 17u);
    EXPECT_TRUE(window == contents(dir / "cli"));

    fs::create_directory(dir / "blocked" / "shop-sprite-sell@2x.png");
    w.desktop.folders.push_back(QString::fromStdString((dir / "blocked").string()));
    w.click("WebFolderChoose");
    w.menu("ExportWeb1");
    waitForExport(w);
    ASSERT_EQ(w.desktop.errors.size(), 1);
    EXPECT_TRUE(w.desktop.errors[0].contains("shop-sprite-sell@2x.png"));
    // Only the folder in the way is there: no picture, no page, no temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "blocked"), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

// SVG pictures are written once whatever the scales; a live markup needs no
// pictures, greys what it does not use, and opens in the browser; its report is
// the live button's.
TEST(WindowWeb, SvgPicturesAndLiveMarkups) {
    const fs::path dir = freshDir("bevelmint-window-live");
    Window w;
    showWebPage(w);
    auto& ed = w.form->editor();
    w.desktop.folders.push_back(QString::fromStdString(dir.string()));
    w.click("WebFolderChoose");
    w.click("WebFormatSvg");
    EXPECT_EQ(ed.web().format, state::WebFormat::svg);
    EXPECT_FALSE(w.find<QCheckBox>("WebScale2")->isEnabled());
    w.click("WebExport");
    waitForExport(w);
    ASSERT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("; ").toStdString();
    const auto svg = contents(dir);
    EXPECT_EQ(svg.size(), 5u);  // four pictures and the page, none at 2x
    EXPECT_EQ(svg.at("button-sprite.svg").rfind("<svg ", 0), 0u);
    EXPECT_NE(svg.at("button.html").find("url(\"button-sprite.svg\")"), std::string::npos);

    fs::remove_all(dir);
    fs::create_directory(dir);
    chooseMarkup(w, 4);
    EXPECT_EQ(ed.web().markup, bevelmint::editor::WebMarkup::liveSnippet);
    EXPECT_FALSE(w.find<QRadioButton>("WebFormatPng")->isEnabled());
    const QString markup = w.find<QPlainTextEdit>("WebMarkupBox")->toPlainText();
    EXPECT_TRUE(markup.startsWith("<style>\n.bvl {")) << markup.toStdString();
    // The report measures the live button: wider for a long inscription.
    ed.setText("A label much longer than the button");
    EXPECT_TRUE(text(w, "WebSize").contains("x 40 px")) << text(w, "WebSize").toStdString();
    EXPECT_FALSE(text(w, "WebSize").contains("100 x")) << text(w, "WebSize").toStdString();
    chooseMarkup(w, 3);
    w.click("WebExport");
    waitForExport(w);
    const auto live = contents(dir);
    ASSERT_EQ(live.size(), 1u);
    EXPECT_NE(live.at("button.html").find("<a class=\"bvl\""), std::string::npos);
    w.click("WebOpen");
    ASSERT_EQ(w.desktop.opened.size(), 1);
    EXPECT_EQ(w.desktop.opened[0].toStdString(), (dir / "button.html").string());
    fs::remove_all(dir);
}

// The hover picture shows between the others only while the Web page is shown;
// the contrast figures are the report of every new render.
TEST(WindowWeb, PreviewsAndContrastFiguresFollowEachRender) {
    Window w;
    auto& ed = w.form->editor();
    auto* hover = w.find<QLabel>("HoverView");
    EXPECT_FALSE(hover->isVisibleTo(w.form.get()));
    const int renders = w.form->renderCount();
    showWebPage(w);
    EXPECT_EQ(w.form->renderCount(), renders);
    EXPECT_TRUE(hover->isVisibleTo(w.form.get()));
    const int width = ed.state().buttonWidth, height = ed.state().buttonHeight;
    EXPECT_EQ(shown(hover), app::toPixmap(ed.hover(), width, height).toImage());
    EXPECT_NE(shown(hover), shown(w.find<QLabel>("Image6")));
    w.find<QScrollBar>("WebHoverLift")->setValue(0);
    EXPECT_EQ(shown(hover), shown(w.find<QLabel>("Image6")));

    ed.setButtonColour({30, 40, 120});
    ed.setTextColour({255, 255, 255});
    const QString bright = text(w, "WebTextContrast");
    EXPECT_TRUE(bright.contains("meets")) << bright.toStdString();
    // The text colour moved towards the face through the Colors page's bars.
    for (const char* bar : {"FatScrollBar13", "FatScrollBar12", "FatScrollBar11"})
        w.find<QScrollBar>(bar)->setValue(70);
    const QString dim = text(w, "WebTextContrast");
    EXPECT_NE(dim, bright);
    EXPECT_TRUE(dim.contains("misses")) << dim.toStdString();
    EXPECT_TRUE(text(w, "WebSize").contains(QString("%1 x %2").arg(width).arg(height)));

    auto* pages = w.find<QTabWidget>("PageControl1");
    pages->setCurrentIndex(0);
    EXPECT_FALSE(hover->isVisibleTo(w.form.get()));
}

// Tried from the Web page, the test button behaves as the CSS button does.
TEST(WindowWeb, TestModeActsLikeTheWebButton) {
    Window w;
    showWebPage(w);
    auto& ed = w.form->editor();
    const int width = ed.state().buttonWidth, height = ed.state().buttonHeight;
    const QImage normal = app::toPixmap(ed.normal(), width, height).toImage();
    const QImage hover = app::toPixmap(ed.hover(), width, height).toImage();
    const QImage pressed = app::toPixmap(ed.pressed(), width, height).toImage();
    w.menu("TestButton1");
    ASSERT_TRUE(w.form->inTestMode());
    EXPECT_TRUE(w.find<QRadioButton>("AMRadioButton17")->isChecked());
    auto* button = w.find<QLabel>("Image5");
    EXPECT_EQ(shown(button), normal);
    moveOver(button);
    EXPECT_EQ(shown(button), hover);
    press(button, QEvent::MouseButtonPress);
    EXPECT_EQ(shown(button), pressed);
    press(button, QEvent::MouseButtonRelease);
    EXPECT_EQ(shown(button), hover);
    moveOver(w.find<QWidget>("Shape10"));
    EXPECT_EQ(shown(button), normal);
    // Pressed, dragged off and released there: the button is at rest again.
    moveOver(button);
    press(button, QEvent::MouseButtonPress);
    QMouseEvent off(QEvent::MouseButtonRelease, QPointF(-20, -20),
                    button->mapToGlobal(QPointF(-20, -20)), Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(button, &off);
    EXPECT_EQ(shown(button), normal);
    w.click("ktBevelButton13");
    EXPECT_TRUE(w.find<QLabel>("HoverView")->isVisibleTo(w.form.get()));

    // A change made in test mode shows on the page when it is left.
    typeLabels(w, "Buy\nSell");
    w.menu("TestButton1");
    w.menu("Undo1");
    w.menu("LeaveTest1");
    EXPECT_TRUE(w.find<QPlainTextEdit>("WebLabels")->toPlainText().isEmpty());
    EXPECT_FALSE(w.find<QPlainTextEdit>("WebMarkupBox")->toPlainText().contains("Sell"));
    // Tried from another page, the button acts as the user chose there.
    w.find<QTabWidget>("PageControl1")->setCurrentIndex(0);
    w.menu("TestButton1");
    EXPECT_TRUE(w.find<QRadioButton>("AMRadioButton15")->isChecked());
}

// What is still being typed is not lost: a close asks to save it, and a window
// destroyed with the focus in a field does not reach its destroyed editor.
TEST(WindowWeb, TextBeingTypedIsHandedOverBeforeTheWindowGoes) {
    Window w;
    showWebPage(w);
    w.form->show();
    auto* name = w.find<QLineEdit>("WebBaseName");
    name->setFocus();
    name->setText("draft");
    w.desktop.saveAnswers.push_back(app::Desktop::SaveAnswer::cancel);
    EXPECT_FALSE(w.form->close());
    EXPECT_EQ(w.desktop.askedToSave, 1);
    EXPECT_EQ(w.form->editor().web().baseName, "draft");
    name->setFocus();
    name->setText("other");
    w.form.reset();
}

TEST(WindowWeb, TheDarkPageSetsTheDarkSchemeUnderUndoAndShowsItsButton) {
    Window w;
    auto& ed = w.form->editor();
    auto* pages = w.find<QTabWidget>("PageControl1");
    pages->setCurrentWidget(w.find<QWidget>("TabSheetDark"));
    auto* preview = w.find<QLabel>("DarkPreview");
    ASSERT_FALSE(preview->pixmap().isNull());
    EXPECT_EQ(preview->pixmap().size(), QSize(100, 40));
    // The dark face shows at the button's middle, away from the inscription.
    const QColor face = preview->pixmap().toImage().pixelColor(50, 4);
    EXPECT_LT(face.red(), face.blue());

    w.find<QCheckBox>("DarkScheme")->click();
    EXPECT_TRUE(ed.state().dark.on);
    w.find<QSpinBox>("darkBackRed")->setValue(20);
    EXPECT_EQ(ed.state().dark.backRed, 20);
    EXPECT_NE(preview->styleSheet().indexOf("rgb(20, 28, 32)"), -1)
        << preview->styleSheet().toStdString();
    w.find<QSpinBox>("darkButtonRed")->setValue(240);
    EXPECT_GT(preview->pixmap().toImage().pixelColor(50, 4).red(), face.red());
    ASSERT_TRUE(ed.undo());
    EXPECT_EQ(w.find<QSpinBox>("darkButtonRed")->value(), state::DarkScheme{}.buttonRed);
    ASSERT_TRUE(ed.undo());
    ASSERT_TRUE(ed.undo());
    EXPECT_FALSE(w.find<QCheckBox>("DarkScheme")->isChecked());
}

// The label list shows five lines, the markup's Save suggests the name the
// export writes, and a last scale that stays ticked says why.
TEST(WindowWeb, LabelsFitSaveSuggestsTheExportsNameAndTheLastScaleSaysWhy) {
    Window w;
    showWebPage(w);
    auto* labels = w.find<QPlainTextEdit>("WebLabels");
    const int lines = labels->viewport()->height() / labels->fontMetrics().lineSpacing();
    EXPECT_GE(lines, 5);
    QWidget* page = w.find<QWidget>("TabSheetWeb");
    for (QWidget* c : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(page->rect().contains(c->geometry()))
            << c->objectName().toStdString() << " " << c->geometry().bottom() << " in "
            << page->height();
    }

    auto web = w.form->editor().web();
    web.folder = "/somewhere";
    web.baseName = "shop";
    web.markup = bevelmint::editor::WebMarkup::imgBundle;
    ASSERT_TRUE(w.form->editor().setWebSettings(web));
    w.desktop.files.push_back(std::nullopt);
    w.click("WebSave");
    EXPECT_EQ(w.desktop.suggested.last(), "/somewhere/shop-email.html");
    EXPECT_EQ(w.desktop.titles.last(), "Save the markup as");
    chooseMarkup(w, 1);
    w.desktop.files.push_back(std::nullopt);
    w.click("WebSave");
    EXPECT_EQ(w.desktop.suggested.last(), "/somewhere/shop-snippet.html");

    w.click("WebScale1");  // 2x is left
    EXPECT_TRUE(w.desktop.informed.isEmpty());
    w.click("WebScale2");
    EXPECT_TRUE(w.find<QCheckBox>("WebScale2")->isChecked());
    ASSERT_EQ(w.desktop.informed.size(), 1);
    EXPECT_EQ(w.desktop.informed[0],
              "Scales: The pictures need at least one scale, so the last one ticked stays "
              "ticked.");
}

// The Palette box is one undo step, only for PNG, and the export it sets writes
// palette PNGs byte for byte as bevelmint-render --palette does.
TEST(WindowWeb, ThePaletteChoiceReachesTheExport) {
    const fs::path dir = freshDir("bevelmint-window-palette");
    for (const char* sub : {"window", "cli"})
        fs::create_directory(dir / sub);
    Window w;
    w.click("AMRadioButton3");
    showWebPage(w);
    auto& ed = w.form->editor();
    auto* palette = w.find<QCheckBox>("WebPalette");
    EXPECT_FALSE(palette->isChecked());
    w.click("WebPalette");
    EXPECT_TRUE(ed.web().palette);
    w.click("WebFormatWebp");
    EXPECT_FALSE(palette->isEnabled());
    w.menu("Undo1");
    EXPECT_TRUE(palette->isEnabled());
    EXPECT_TRUE(palette->isChecked());

    w.desktop.folders.push_back(QString::fromStdString((dir / "window").string()));
    w.click("WebExport");
    waitForExport(w);
    ASSERT_TRUE(w.desktop.errors.isEmpty()) << w.desktop.errors.join("; ").toStdString();
    const auto window = contents(dir / "window");
    ASSERT_EQ(window.size(), 9u);  // four pictures at 1x and 2x, and the page
    for (const auto& [name, bytes] : window) {
        if (name.ends_with(".html")) continue;
        ASSERT_GT(bytes.size(), 26u);
        EXPECT_EQ(bytes[25], 3) << name;  // colour type 3: palette
    }

    ASSERT_FALSE(ed.saveDesign((dir / "d.bvm").string()));
    const std::string out = (dir / "cli").string() + "/button";
    ASSERT_EQ(run(std::string(BEVELMINT_RENDER_EXE) + " " + (dir / "d.bvm").string() +
                  " --palette --scales 1,2 --normal " + out + ".png --hover " + out +
                  "-hover.png --pressed " + out + "-pressed.png --sprite " + out +
                  "-sprite.png --css-page " + out + ".html"),
              0);
    EXPECT_TRUE(window == contents(dir / "cli"));
    fs::remove_all(dir);
}
