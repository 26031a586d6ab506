// The real window, driven offscreen through its controls by object name.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMap>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <deque>

#include "app/settings_store.h"
#include "window_fixture.h"

using app::MainWindow;

TEST(Window, StartsWithTheDefaultsAndOneRender) {
    Window w;
    EXPECT_EQ(w.form->windowTitle(), "Bevelmint[*]");
    EXPECT_FALSE(w.form->isWindowModified());
    EXPECT_EQ(w.form->size(), QSize(624, 447));
    EXPECT_EQ(w.form->renderCount(), 1);
    EXPECT_TRUE(w.desktop.errors.isEmpty());
    EXPECT_EQ(w.find<QLabel>("Image6")->geometry(), QRect(405, 120, 100, 40));
    EXPECT_EQ(w.find<QLabel>("Image42")->geometry(), QRect(405, 319, 100, 40));
    EXPECT_FALSE(w.find<QWidget>("FatScrollBar1")->isVisibleTo(w.form.get()));
    // The edit-mode switch says what a click does.
    EXPECT_EQ(w.find<QAbstractButton>("SpeedButton1")->text(), "Use Fast Edit");
    w.click("SpeedButton1");
    EXPECT_EQ(w.find<QAbstractButton>("SpeedButton1")->text(), "Use Real Edit");
}

TEST(Window, FirstStartSeedsTheStoreAndMissingValuesStillRender) {
    MemoryStore store;
    app::seedFirstStart(store, "/data/bevelmint");
    EXPECT_EQ(store.values.value(app::kAppPath).toString(), "/data/bevelmint");
    EXPECT_TRUE(store.values.contains(app::kMenuRedValue));

    Window lacking(false);  // an empty store: no key at all
    EXPECT_EQ(lacking.desktop.errors, QStringList{"Key does not exist."});
    EXPECT_EQ(lacking.form->renderCount(), 1);

    ScriptedDesktop desktop;
    MemoryStore partial;
    partial.values[app::kMenuRedValue] = 1;
    partial.values[app::kLastFile] = "none";
    MainWindow form(desktop, partial, {}, false);
    EXPECT_EQ(desktop.errors, QStringList{"Failed to get data for 'MenuGreenValue'"});
    EXPECT_EQ(form.renderCount(), 1);
    EXPECT_EQ(form.editor().session().lastFile, "");
    EXPECT_EQ(form.design().buttonWidth, 100);
}

TEST(Window, ClosingWritesLastFileAndClosesEvenWhenRefused) {
    Window w;
    w.form->editor().setLastFile("/x/d.bvm");
    w.find<QTabWidget>("PageControl1")->setCurrentIndex(2);
    EXPECT_TRUE(w.form->close());
    EXPECT_EQ(w.store.values.value(app::kLastFile).toString(), "/x/d.bvm");
    EXPECT_EQ(w.find<QTabWidget>("PageControl1")->currentIndex(), 0);

    Window refused;
    refused.store.refuseWrites = true;
    EXPECT_TRUE(refused.form->close());
    EXPECT_EQ(refused.desktop.errors, QStringList{"Failed to set data for 'LastFile'"});
}

TEST(Window, ShrinkingTheWidthClampsTheTextOffset) {
    Window w;
    w.find<QScrollBar>("FatScrollBar2")->setValue(200);
    w.find<QSlider>("TrackBar1")->setValue(60);
    EXPECT_EQ(w.form->design().textOffsetX, 60);
    const int before = w.form->renderCount();
    w.find<QScrollBar>("FatScrollBar2")->setValue(100);
    EXPECT_EQ(w.form->design().textOffsetX, 33);
    EXPECT_EQ(w.find<QSlider>("TrackBar1")->value(), 33);
    EXPECT_EQ(w.form->renderCount(), before + 1);
    EXPECT_EQ(w.find<QLabel>("Label24")->text(), "100");
    // Depth follows the smaller side.
    w.find<QScrollBar>("FatScrollBar3")->setValue(10);
    EXPECT_EQ(w.find<QScrollBar>("FatScrollBar4")->value(), 5);
    EXPECT_EQ(w.find<QScrollBar>("FatScrollBar4")->maximum(), 5);
}

TEST(Window, EngravedTextFollowsTheRedBarWithOneRender) {
    Window w;
    w.click("AMCheckBox3");
    EXPECT_EQ(w.find<QScrollBar>("FatScrollBar13")->value(), 220);
    const int before = w.form->renderCount();
    w.find<QScrollBar>("FatScrollBar5")->setValue(100);
    EXPECT_EQ(w.form->design().textRed, 100);
    EXPECT_EQ(w.find<QScrollBar>("FatScrollBar13")->value(), 100);
    EXPECT_EQ(w.form->renderCount(), before + 1);
    w.click("AMCheckBox3");
    EXPECT_EQ(w.form->design().textRed, 0);
}

TEST(Window, MenuColourSetsTheCaptionColour) {
    Window w;
    auto* save = w.find<app::BevelButton>("ktBevelButton2");
    w.form->setMenuColour(QColor(200, 200, 170));
    EXPECT_EQ(save->captionColour(), QColor(Qt::white));
    w.form->setMenuColour(QColor(200, 200, 176));
    EXPECT_EQ(save->captionColour(), QColor(Qt::black));
    w.desktop.colours.push_back(QColor(0, 0, 128));
    w.click("ktBevelButton15");
    EXPECT_EQ(save->captionColour(), QColor(Qt::white));
    EXPECT_EQ(w.store.values.value(app::kMenuBlueValue).toInt(), 128);
}

TEST(Window, MenuCommandsKeepChecksInStep) {
    Window w;
    const int before = w.form->renderCount();
    w.menu("SmoothEdges1");  // on a rectangle: nothing but the checks
    EXPECT_FALSE(w.form->design().smoothEdges);
    EXPECT_EQ(w.form->renderCount(), before);
    w.menu("EllipseCircle1");
    EXPECT_TRUE(w.find<QRadioButton>("AMRadioButton2")->isChecked());
    w.menu("SmoothEdges1");
    EXPECT_TRUE(w.form->design().smoothEdges);
    w.menu("JPG1");
    auto checked = [&](const char* n) {
        return w.form->popupMenu()->findChild<QAction*>(n)->isChecked();
    };
    EXPECT_TRUE(checked("JPG1"));
    EXPECT_FALSE(checked("GIF1"));
    EXPECT_FALSE(checked("BMP1"));
    EXPECT_TRUE(w.find<QWidget>("TrackBar3")->isEnabled());
}

TEST(Window, LightRotatesClockwiseAndReturnsAfterEightSteps) {
    Window w;
    w.click("AMRadioButton6");
    EXPECT_EQ(w.form->design().lightPosition, 4);
    EXPECT_EQ(w.form->design().lightX, -7);
    w.menu("ChangeLightPosition1");
    EXPECT_EQ(w.form->design().lightPosition, 1);
    EXPECT_TRUE(w.find<QRadioButton>("AMRadioButton11")->isChecked());
    for (int i = 0; i < 8; ++i)
        w.menu("ChangeLightPosition1");
    EXPECT_EQ(w.form->design().lightPosition, 1);
}

TEST(Window, BusyIconAdvancesEveryThirtyColumns) {
    Window w;
    const int start = w.form->busyFrame();
    w.form->renderButton();
    EXPECT_EQ(w.form->busyFrame(), (start - 1 + 4) % 8 + 1);  // columns 0, 30, 60, 90
}

TEST(Window, TestModeOnHoverAndOnClick) {
    Window w;
    w.click("ktBevelButton12");
    auto* button = w.find<QLabel>("Image5");
    EXPECT_TRUE(w.form->inTestMode());
    EXPECT_EQ(button->geometry(), QRect(265, 233, 100, 40));
    EXPECT_FALSE(w.find<QWidget>("PageControl1")->isVisibleTo(w.form.get()));
    const QImage normal = shown(button);
    moveOver(button);
    const QImage pressed = shown(button);
    EXPECT_NE(pressed, normal);
    moveOver(w.find<QWidget>("Shape9"));  // leaving upwards into the toolbar strip
    EXPECT_EQ(shown(button), pressed);
    moveOver(w.find<QWidget>("Shape10"));
    EXPECT_EQ(shown(button), normal);

    w.click("AMRadioButton16");
    moveOver(button);
    EXPECT_EQ(shown(button), normal);
    press(button, QEvent::MouseButtonPress);
    EXPECT_EQ(shown(button), pressed);
    press(button, QEvent::MouseButtonRelease);
    EXPECT_EQ(shown(button), normal);
    w.click("ktBevelButton13");
    EXPECT_FALSE(w.form->inTestMode());
    EXPECT_TRUE(w.find<QWidget>("PageControl1")->isVisibleTo(w.form.get()));

    // Starting the test in fast edit mode switches to real edit mode first.
    w.click("SpeedButton1");
    EXPECT_TRUE(w.form->editor().session().fastEdit);
    w.click("ktBevelButton12");
    EXPECT_FALSE(w.form->editor().session().fastEdit);
    EXPECT_EQ(w.find<QAbstractButton>("SpeedButton1")->text(), "Use Fast Edit");
}

TEST(Window, TextureFromTheTexturePage) {
    Window w;
    const std::string path = testing::TempDir() + "bevelmint-window-texture.bmp";
    writeTexture(path);
    w.desktop.files.push_back(QString::fromStdString(path));
    w.click("AMCheckBox4");
    EXPECT_TRUE(w.form->design().textureActive);
    EXPECT_EQ(w.form->design().buttonWidth, 64);
    EXPECT_EQ(w.find<QScrollBar>("FatScrollBar2")->maximum(), 64);
    EXPECT_EQ(w.find<QScrollBar>("FatScrollBar5")->value(), 50);
    EXPECT_EQ(w.find<QLabel>("Label30")->text(), "64");
    EXPECT_TRUE(w.find<QWidget>("FatScrollBar18")->isEnabled());
    w.find<QScrollBar>("FatScrollBar18")->setValue(60);
    EXPECT_EQ(w.form->design().buttonRed, 70);
    w.click("AMCheckBox4");  // unchecked: the texture goes, the colour stays
    EXPECT_FALSE(w.form->design().textureActive);
    EXPECT_EQ(w.find<QScrollBar>("FatScrollBar2")->maximum(), 330);
    EXPECT_EQ(w.form->design().buttonRed, 70);
    // A cancelled dialog leaves the box unchecked.
    w.click("AMCheckBox4");
    EXPECT_FALSE(w.find<QCheckBox>("AMCheckBox4")->isChecked());
    std::remove(path.c_str());
}

TEST(Window, TextPageAndHelp) {
    Window w;
    w.find<QLineEdit>("Edit5")->setText("Hello");
    EXPECT_EQ(w.form->design().buttonText, "text");
    w.click("ktBevelButton4");
    EXPECT_EQ(w.form->design().buttonText, "Hello");
    w.desktop.fonts.push_back(state::FontDesc{"Liberation Serif", 20, true, false});
    const int before = w.form->renderCount();
    w.click("ktBevelButton5");
    EXPECT_EQ(w.form->design().textFont.face, "Liberation Serif");
    EXPECT_EQ(w.find<QScrollBar>("FatScrollBar17")->value(), 20);
    EXPECT_EQ(w.form->renderCount(), before + 1);
    w.click("AMCheckBox2");
    EXPECT_FALSE(w.find<QWidget>("Edit5")->isEnabled());
    EXPECT_TRUE(w.find<QWidget>("ktBevelButton3")->isEnabled());
    w.click("SpeedButton2");
    ASSERT_EQ(w.desktop.opened.size(), 1);
    EXPECT_TRUE(w.desktop.opened[0].endsWith("/Help.html"));
    EXPECT_TRUE(w.desktop.errors.isEmpty());
    // A desktop that cannot open it says so.
    w.desktop.openWorks = false;
    w.menu("Help1");
    ASSERT_EQ(w.desktop.errors.size(), 1);
    EXPECT_EQ(w.desktop.errors[0], "No program could open " + w.desktop.opened[1] +
                                       "; open it in a web browser yourself.");
}

TEST(Window, PopupOpensOnARightClickOverTheToolbarAndThePreviews) {
    Window w;
    for (const char* place : {"Shape9", "Image6", "Shape7"}) {
        w.form->popupMenu()->hide();
        QWidget* target = w.find<QWidget>(place);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3),
                            target->mapToGlobal(QPointF(3, 3)), Qt::RightButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(target, &release);
        EXPECT_TRUE(w.form->popupMenu()->isVisible()) << place;
    }
    w.form->popupMenu()->hide();
    // A left click on a preview starts the test instead.
    press(w.find<QWidget>("Image42"), QEvent::MouseButtonRelease);
    EXPECT_TRUE(w.form->inTestMode());
}

// The test mode's close button is there in test mode only, with a hint; the
// trigger choices stand inside the window's edge, on the white strip.
TEST(Window, TestModesControlsAreThereOnlyInTestMode) {
    Window w;
    auto* close = w.find<QWidget>("ktBevelButton13");
    EXPECT_FALSE(close->isVisibleTo(w.form.get()));
    w.click("ktBevelButton12");
    EXPECT_TRUE(close->isVisibleTo(w.form.get()));
    EXPECT_FALSE(close->toolTip().isEmpty());
    for (const char* name : {"AMRadioButton15", "AMRadioButton16", "AMRadioButton17"}) {
        const QRect place = w.find<QWidget>(name)->geometry();
        EXPECT_GE(place.left(), 4) << name;
        EXPECT_GE(place.top(), 40) << name;
        EXPECT_LE(place.bottom(), 71) << name;  // above the window background
    }
    w.click("ktBevelButton13");
    EXPECT_FALSE(close->isVisibleTo(w.form.get()));
}
