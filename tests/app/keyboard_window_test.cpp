// The window from the keyboard, its title, the close question and the faults a
// new user ran into: stacking after test mode, clipped captions, the font dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/qt_desktop.h"
#include "test_support.h"
#include "window_fixture.h"

namespace fs = std::filesystem;
using Answer = app::Desktop::SaveAnswer;

namespace {

QTabWidget* pageControl(Window& w) {
    return w.find<QTabWidget>("PageControl1");
}

// Every widget Tab reaches, from the current focus round to where it started.
QSet<QWidget*> tabWalk() {
    QSet<QWidget*> seen;
    for (int i = 0; i < 300; ++i) {
        QWidget* at = QApplication::focusWidget();
        if (!at || seen.contains(at)) break;
        seen.insert(at);
        QTest::keyClick(at, Qt::Key_Tab);
    }
    return seen;
}

QString key(const QKeySequence& k) {
    return k.toString();
}

}  // namespace

TEST(WindowKeys, AfterTestModeTheShapeTabTakesTheClick) {
    Window w;
    activate(w);
    pageControl(w)->setCurrentIndex(1);
    w.click("ktBevelButton12");
    w.click("ktBevelButton13");
    // Click where the Shape tab is drawn: whatever lies on top there gets it.
    auto* tabs = pageControl(w)->findChild<QTabBar*>();
    const QPoint spot = tabs->mapTo(w.form.get(), tabs->tabRect(0).center());
    QWidget* hit = w.form->childAt(spot);
    ASSERT_NE(hit, nullptr);
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(w.form.get(), spot));
    EXPECT_EQ(pageControl(w)->currentIndex(), 0);
    EXPECT_FALSE(w.find<QWidget>("AMRadioButton15")->isVisible());
    EXPECT_FALSE(w.find<QWidget>("AMRadioButton16")->isVisible());
}

TEST(WindowKeys, TabReachesEveryBarAndTheArrowsMoveIt) {
    Window w;
    w.click("AMRadioButton3");  // the roundness bar shows for round rectangles
    const std::string texture = testing::TempDir() + "bevelmint-keys-texture.bmp";
    writeTexture(texture);
    w.desktop.files.push_back(QString::fromStdString(texture));
    w.click("AMCheckBox4");  // the brightness bar is enabled with a texture
    activate(w);
    for (int page = 0; page < pageControl(w)->count(); ++page) {
        pageControl(w)->setCurrentIndex(page);
        w.find<QWidget>("ktBevelButton2")->setFocus();
        const QSet<QWidget*> reached = tabWalk();
        for (QWidget* r : reached)
            EXPECT_TRUE(r->isVisible()) << r->objectName().toStdString();
        const QWidget* sheet = pageControl(w)->widget(page);
        for (QAbstractSlider* bar : sheet->findChildren<QAbstractSlider*>()) {
            if (!bar->isVisible() || !bar->isEnabled()) continue;
            const std::string name = bar->objectName().toStdString();
            EXPECT_TRUE(reached.contains(bar)) << name;
            bar->setFocus();
            const bool atTop = bar->value() == bar->maximum();
            const bool scroll = qobject_cast<QScrollBar*>(bar) != nullptr;
            // Scroll bars count downwards and rightwards; sliders right and up.
            const Qt::Key small = bar->orientation() == Qt::Horizontal
                                      ? (atTop ? Qt::Key_Left : Qt::Key_Right)
                                      : ((atTop == scroll) ? Qt::Key_Up : Qt::Key_Down);
            int before = bar->value();
            QTest::keyClick(bar, small);
            EXPECT_EQ(std::abs(bar->value() - before), 1) << name;
            for (Qt::Key page : {Qt::Key_PageUp, Qt::Key_PageDown}) {
                before = bar->value();
                QTest::keyClick(bar, page);
                const bool atEnd = bar->value() == bar->minimum() || bar->value() == bar->maximum();
                EXPECT_TRUE(std::abs(bar->value() - before) == bar->pageStep() ||
                            (atEnd && bar->value() != before))
                    << name;
            }
        }
    }
    // The controls hidden outside test mode are not in the Tab order.
    pageControl(w)->setCurrentIndex(0);
    w.find<QWidget>("ktBevelButton2")->setFocus();
    const QSet<QWidget*> reached = tabWalk();
    EXPECT_FALSE(reached.contains(w.find<QWidget>("AMRadioButton15")));
    std::remove(texture.c_str());
}

TEST(WindowKeys, PathFieldsLetMovesThroughAndRefuseEdits) {
    Window w;
    activate(w);
    pageControl(w)->setCurrentIndex(5);
    auto* path = w.find<QLineEdit>("Edit13");
    path->setFocus();
    QTest::keyClick(path, Qt::Key_Left);
    QTest::keyClick(path, Qt::Key_End);
    EXPECT_TRUE(w.desktop.informed.isEmpty());
    QTest::keyClick(path, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), path);
    path->setFocus();
    QTest::keyClick(path, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), path);
    path->setFocus();
    QTest::keyClick(path, Qt::Key_A);
    QTest::keyClick(path, Qt::Key_Backspace);
    EXPECT_EQ(w.desktop.informed,
              QStringList(2,
                          "you can't edit here: Use the [choose..] Button right next to this "
                          "field!"));
    EXPECT_TRUE(path->text().isEmpty());
}

TEST(WindowKeys, ShortcutsAndEnterInTheInscription) {
    const fs::path dir = bevelmint::testing::freshDir("bevelmint-window-keys");
    Window w;
    activate(w);
    auto shortcut = [&](QKeySequence k) { QTest::keySequence(w.form.get(), k); };
    EXPECT_EQ(key(w.form->popupMenu()->findChild<QAction*>("Save1")->shortcut()), "Ctrl+S");
    w.desktop.files.push_back(QString::fromStdString((dir / "k.bvm").string()));
    shortcut(QKeySequence("Ctrl+S"));
    EXPECT_TRUE(fs::exists(dir / "k.bvm"));
    shortcut(QKeySequence("Ctrl+T"));
    EXPECT_TRUE(w.form->inTestMode());
    shortcut(QKeySequence(Qt::Key_Escape));
    EXPECT_FALSE(w.form->inTestMode());
    w.desktop.files.push_back(QString::fromStdString((dir / "k.gif").string()));
    shortcut(QKeySequence("Ctrl+E"));
    waitForExport(w);
    EXPECT_TRUE(fs::exists(dir / "k.gif"));
    w.find<QScrollBar>("FatScrollBar2")->setValue(120);
    const int renders = w.form->renderCount();
    w.desktop.files.push_back(QString::fromStdString((dir / "k.bvm").string()));
    shortcut(QKeySequence("Ctrl+O"));
    EXPECT_EQ(w.form->renderCount(), renders + 1);
    EXPECT_EQ(w.form->design().buttonWidth, 100);
    shortcut(QKeySequence(Qt::Key_F1));
    EXPECT_EQ(w.desktop.opened.size(), 1);

    pageControl(w)->setCurrentIndex(3);
    auto* inscription = w.find<QLineEdit>("Edit5");
    inscription->setFocus();
    inscription->selectAll();
    QTest::keyClicks(inscription, "Go");
    EXPECT_EQ(w.form->design().buttonText, "text");
    QTest::keyClick(inscription, Qt::Key_Return);
    EXPECT_EQ(w.form->design().buttonText, "Go");
    fs::remove_all(dir);
}

TEST(WindowKeys, TitleNamesTheDesignAndClosingAsksAboutChanges) {
    const fs::path dir = bevelmint::testing::freshDir("bevelmint-window-title");
    const QString design = QString::fromStdString((dir / "panel.bvm").string());
    Window w;
    EXPECT_EQ(w.form->windowTitle(), "Bevelmint[*]");
    w.desktop.files.push_back(design);
    w.click("ktBevelButton2");
    EXPECT_EQ(w.form->windowTitle(), "panel.bvm[*] - Bevelmint");
    EXPECT_FALSE(w.form->isWindowModified());
    w.find<QScrollBar>("FatScrollBar2")->setValue(150);
    EXPECT_TRUE(w.form->isWindowModified());
    // Choices that are not saved in the design do not count as changes.
    w.desktop.files.push_back(std::nullopt);
    w.menu("SaveAs1");  // cancelled save dialog
    EXPECT_TRUE(w.form->isWindowModified());

    w.desktop.saveAnswers = {Answer::cancel};
    EXPECT_FALSE(w.form->close());
    w.desktop.saveAnswers = {Answer::save};
    fs::remove(dir / "panel.bvm");
    fs::create_directory(dir / "panel.bvm");  // ...and then the save fails
    EXPECT_FALSE(w.form->close());
    EXPECT_EQ(w.desktop.errors.size(), 1);
    fs::remove(dir / "panel.bvm");
    w.desktop.saveAnswers = {Answer::save};
    EXPECT_TRUE(w.form->close());  // the open file is saved without a dialog
    EXPECT_EQ(w.desktop.askedToSave, 3);
    EXPECT_EQ(w.desktop.occasions[0], "closing");
    Window reopened;
    reopened.desktop.files.push_back(design);
    reopened.click("ktBevelButton7");
    EXPECT_EQ(reopened.form->design().buttonWidth, 150);
    EXPECT_EQ(reopened.form->windowTitle(), "panel.bvm[*] - Bevelmint");
    reopened.click("SpeedButton1");  // the edit mode is no change to the design
    EXPECT_FALSE(reopened.form->isWindowModified());
    EXPECT_TRUE(reopened.form->close());
    EXPECT_EQ(reopened.desktop.askedToSave, 0);

    Window untouched;  // a new design with changes: discarding closes
    untouched.click("AMRadioButton2");
    untouched.desktop.saveAnswers = {Answer::discard};
    EXPECT_TRUE(untouched.form->close());
    EXPECT_EQ(untouched.desktop.askedToSave, 1);
    fs::remove_all(dir);
}

TEST(WindowKeys, ColourEntriesTabCaptionsAndNumbers) {
    Window w;
    auto* hex = w.find<QLineEdit>("ButtonColorHex");
    EXPECT_EQ(hex->text(), "#DCBE6E");
    const int renders = w.form->renderCount();
    hex->setText("#102030");
    emit hex->editingFinished();
    EXPECT_EQ(w.form->design().buttonRed, 0x10);
    EXPECT_EQ(w.form->design().buttonBlue, 0x30);
    EXPECT_EQ(w.find<QScrollBar>("FatScrollBar6")->value(), 0x20);
    EXPECT_EQ(w.find<QLabel>("FatScrollBar6Value")->text(), "32");
    EXPECT_EQ(w.form->renderCount(), renders + 1);
    hex->setText("#12345");  // not a colour: the shown one comes back
    emit hex->editingFinished();
    EXPECT_EQ(hex->text(), "#102030");
    EXPECT_EQ(w.form->renderCount(), renders + 1);
    auto* back = w.find<QLineEdit>("BackgroundColorHex");
    back->setText("#000080");
    emit back->editingFinished();
    EXPECT_EQ(w.form->design().backBlue, 0x80);

    auto* tabs = static_cast<app::LeftTabBar*>(pageControl(w)->findChild<QTabBar*>());
    w.form->setMenuColour(QColor(0, 0, 128));
    EXPECT_EQ(tabs->captionColour(), QColor(Qt::white));
    w.form->setMenuColour(QColor(200, 200, 176));
    EXPECT_EQ(tabs->captionColour(), QColor(Qt::black));
}

// Run again with QT_SCALE_FACTOR=2 by ctest.
TEST(WindowKeys, NoCaptionIsClipped) {
    Window w;
    w.click("AMRadioButton3");
    w.click("AMRadioButton13");
    activate(w);
    // Every page, and test mode last.
    for (int page = 0; page <= pageControl(w)->count(); ++page) {
        if (page < pageControl(w)->count())
            pageControl(w)->setCurrentIndex(page);
        else
            w.click("ktBevelButton12");
        for (QWidget* c : w.form->findChildren<QWidget*>()) {
            if (!c->isVisible()) continue;
            const std::string name =
                (c->objectName().isEmpty() ? QString(c->metaObject()->className())
                                           : c->objectName())
                    .toStdString();
            QString text;
            int extra = 0;
            if (auto* l = qobject_cast<QLabel*>(c); l && !l->wordWrap()) {
                text = l->text();
                extra = 2 * l->frameWidth();
            } else if (auto* b = qobject_cast<QAbstractButton*>(c)) {
                text = b->text();
                extra = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
                if (qobject_cast<QCheckBox*>(c) || qobject_cast<QRadioButton*>(c))
                    extra += 20;
                else
                    extra += 8;
            }
            if (text.isEmpty()) continue;
            EXPECT_LE(c->fontMetrics().horizontalAdvance(text) + extra, c->width())
                << name << " \"" << text.toStdString() << "\" on page " << page;
            // Nothing is set in a size below the interface's, but the toolbar's
            // captions, which are fitted to their buttons.
            if (!c->parentWidget() || c->parentWidget()->objectName() != "Toolbar") {
                EXPECT_GE(c->fontInfo().pointSizeF(), QApplication::font().pointSizeF() - 1)
                    << name << " \"" << text.toStdString() << "\" on page " << page;
            }
            // Nor beyond the bottom of what holds it.
            EXPECT_LE(c->geometry().bottom(), c->parentWidget()->height())
                << name << " \"" << text.toStdString() << "\" on page " << page;
        }
    }
}

TEST(WindowKeys, FontDialogKeepsTheFaceAndShowsNoEffects) {
    app::QtDesktop desktop;
    bool effectsShown = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        effectsShown = false;
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            effectsShown = effectsShown || box->isVisibleTo(dialog);
        dialog->accept();
    });
    const auto font = desktop.chooseFont(state::FontDesc{"Arial", 14, true, false});
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->face, "Arial");
    EXPECT_EQ(font->size, 14);
    EXPECT_TRUE(font->bold);
    EXPECT_FALSE(effectsShown);
}

TEST(WindowKeys, UndoAndRedoFromTheKeyboardAndTheMenu) {
    Window w;
    activate(w);
    auto shortcut = [&](QKeySequence k) { QTest::keySequence(w.form.get(), k); };
    auto entry = [&](const char* name) { return w.form->popupMenu()->findChild<QAction*>(name); };
    EXPECT_FALSE(entry("Undo1")->isEnabled());
    EXPECT_FALSE(entry("Redo1")->isEnabled());
    const image::Picture start = w.form->pipeline().normal().cut(100, 40);

    // A drag through several positions is one step.
    auto* width = w.find<QScrollBar>("FatScrollBar2");
    width->setSliderDown(true);
    for (int v : {110, 130, 150})
        width->setValue(v);
    width->setSliderDown(false);
    w.find<QLineEdit>("Edit5")->setText("Go");
    w.click("ktBevelButton4");
    EXPECT_TRUE(entry("Undo1")->isEnabled());

    shortcut(QKeySequence("Ctrl+Z"));  // the inscription
    EXPECT_EQ(w.find<QLineEdit>("Edit5")->text(), "text");
    EXPECT_EQ(w.form->design().buttonWidth, 150);
    const int renders = w.form->renderCount();
    shortcut(QKeySequence("Ctrl+Z"));  // the whole drag
    EXPECT_EQ(w.form->renderCount(), renders + 1);
    EXPECT_EQ(width->value(), 100);
    EXPECT_EQ(w.find<QLabel>("Label24")->text(), "100");
    EXPECT_EQ(w.form->pipeline().normal().cut(100, 40), start);
    EXPECT_FALSE(entry("Undo1")->isEnabled());
    EXPECT_TRUE(entry("Redo1")->isEnabled());

    shortcut(QKeySequence("Ctrl+Shift+Z"));
    EXPECT_EQ(width->value(), 150);
    shortcut(QKeySequence("Ctrl+Y"));
    EXPECT_EQ(w.form->design().buttonText, "Go");
    EXPECT_FALSE(entry("Redo1")->isEnabled());

    // A texture comes and goes with its controls.
    const std::string texture = testing::TempDir() + "bevelmint-undo-texture.bmp";
    writeTexture(texture);
    w.desktop.files.push_back(QString::fromStdString(texture));
    w.click("AMCheckBox4");
    EXPECT_EQ(w.find<QLabel>("Label30")->text(), "64");
    w.menu("Undo1");
    EXPECT_FALSE(w.find<QCheckBox>("AMCheckBox4")->isChecked());
    EXPECT_FALSE(w.find<QWidget>("FatScrollBar18")->isEnabled());
    EXPECT_EQ(width->maximum(), state::kMaxWidth);
    w.menu("Redo1");
    EXPECT_TRUE(w.find<QCheckBox>("AMCheckBox4")->isChecked());
    EXPECT_EQ(width->maximum(), 64);
    std::remove(texture.c_str());
}

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown and Ctrl+PgUp turn the pages from
// anywhere in the window; Tab reaches the page list and leaves the HTML box.
TEST(WindowKeys, PagesTurnFromTheKeyboardAndTheirListTakesTheFocus) {
    Window w;
    activate(w);
    QTabWidget* pages = pageControl(w);
    w.find<QWidget>("FatScrollBar2")->setFocus();
    for (const char* keys : {"Ctrl+Tab", "Ctrl+PgDown"}) {
        const int at = pages->currentIndex();
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys));
        EXPECT_EQ(pages->currentIndex(), at + 1) << keys;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->currentIndex(), 1);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+PgUp"));
    EXPECT_EQ(pages->currentIndex(), 0);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+PgUp"));
    EXPECT_EQ(pages->currentIndex(), pages->count() - 1);  // round to the last
    // From a text box too.
    pages->setCurrentWidget(w.find<QWidget>("TabSheetHTML"));
    auto* memo = w.find<QWidget>("Memo1");
    memo->setFocus();
    QTest::keySequence(memo, QKeySequence("Ctrl+Tab"));
    EXPECT_EQ(pages->currentWidget(), w.find<QWidget>("TabSheetWeb"));

    pages->setCurrentWidget(w.find<QWidget>("TabSheetHTML"));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), memo);
    EXPECT_TRUE(static_cast<QPlainTextEdit*>(memo)->toPlainText().isEmpty());

    w.find<QWidget>("ktBevelButton2")->setFocus();
    const QSet<QWidget*> reached = tabWalk();
    QTabBar* list = pages->findChild<QTabBar*>();
    EXPECT_TRUE(reached.contains(list));
    list->setFocus();
    const int before = pages->currentIndex();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(pages->currentIndex(), before + 1);
}

// Every control the Tab key reaches looks different while it holds the focus.
TEST(WindowKeys, EveryFocusableControlShowsItsFocus) {
    Window w;
    w.click("AMRadioButton13");  // the JPEG settings show
    activate(w);
    QTabWidget* pages = pageControl(w);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        w.find<QWidget>("ktBevelButton2")->setFocus();
        for (QWidget* c : tabWalk()) {
            const std::string name =
                (c->objectName().isEmpty() ? QString(c->metaObject()->className())
                                           : c->objectName())
                    .toStdString();
            c->setFocus();
            const QImage focused = c->grab().toImage();
            w.form->setFocus();
            c->clearFocus();
            EXPECT_NE(c->grab().toImage(), focused) << name << " on page " << page;
        }
    }
}
