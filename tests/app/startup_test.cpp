// The window's start: the advice without a display, and its own interface font.
#include "app/startup.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <cstdlib>

#include "test_support.h"

#include "window_fixture.h"

namespace {

// The width the style leaves for a button's icon and caption.
int contentWidth(QAbstractButton* b) {
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.icon = b->icon();
    option.iconSize = b->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(b)) element = QStyle::SE_CheckBoxContents;
    if (qobject_cast<QRadioButton*>(b)) element = QStyle::SE_RadioButtonContents;
    return b->style()->subElementRect(element, &option, b).width();
}

}  // namespace

// Captions were laid out for a narrow sans-serif; fontconfig's own pick for "sans-serif"
// may be a monospaced face that clips them.
TEST(Startup, InterfaceFontIsAskedForByNameAndEveryCaptionFits) {
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), app::kInterfaceFamily);
    Window w;
    w.form->show();  // applies the style sheets that set the toolbar's caption size
    int checked = 0;
    for (QAbstractButton* b : w.form->findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty()) continue;
        int needed = b->fontMetrics().horizontalAdvance(b->text());
        // A push button puts its caption four pixels after the icon.
        if (!b->icon().isNull() && qobject_cast<QPushButton*>(b)) {
            needed += b->iconSize().width() + 4;
        }
        EXPECT_LE(needed, contentWidth(b))
            << b->objectName().toStdString() << " \"" << b->text().toStdString() << "\"";
        ++checked;
    }
    for (QLabel* l : w.form->findChildren<QLabel*>()) {
        if (l->text().isEmpty() || l->wordWrap()) continue;
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
            << "\"" << l->text().toStdString() << "\"";
        ++checked;
    }
    EXPECT_GT(checked, 60);
}

TEST(Startup, WithoutADisplayTheWindowSaysInOneLineHowToRunIt) {
    const auto dir = bevelmint::testing::freshDir("bevelmint-no-display");
    const auto errFile = dir / "stderr.txt";
    const std::string cmd = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") +
                            "BEVELMINT_LAUNCHER=scripts/run '" + BEVELMINT_APP_EXE + "' 2>'" +
                            errFile.string() + "'";
    const int raw = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_NE(WEXITSTATUS(raw), 0);
    const std::string err = bevelmint::testing::slurp(errFile);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("xvfb-run scripts/run"), std::string::npos) << err;
    EXPECT_NE(err.find("Debian's xvfb"), std::string::npos) << err;
    std::filesystem::remove_all(dir);
}
