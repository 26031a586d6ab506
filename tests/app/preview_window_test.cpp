// The previews: drawn at the screen's pixel ratio by the renderer's own scaled
// rendering (run again at QT_SCALE_FACTOR=2 by ctest), and showing the label
// under the cursor on the Web page.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <cmath>
#include <cstdlib>

#include "render/button_pictures.h"
#include "window_fixture.h"

namespace {

// The picture the renderer draws of the window's design at a scale, with
// another inscription when given.
render::ButtonPictures rendered(Window& w, int scale, const char* text = nullptr) {
    state::ButtonState s = w.form->design();
    if (text) s.buttonText = text;
    render::TextEngine engine;
    return render::renderButtonPictures(s, render::activeTexture(s, w.form->editor().texture()),
                                        scale, engine, false);
}

// Whether a label shows exactly these pixels, at the given pixel ratio.
::testing::AssertionResult showsPixels(QLabel* view, const image::Picture& expected, int scale) {
    const QPixmap pixmap = view->pixmap();
    if (pixmap.devicePixelRatio() != scale)
        return ::testing::AssertionFailure() << "pixel ratio " << pixmap.devicePixelRatio();
    const QImage shown = pixmap.toImage();
    if (shown.width() != expected.width() || shown.height() != expected.height()) {
        return ::testing::AssertionFailure() << shown.width() << " x " << shown.height() << ", not "
                                             << expected.width() << " x " << expected.height();
    }
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const image::Rgb c = image::splitColor(expected.pixel(x, y));
            if (shown.pixel(x, y) != qRgb(c.r, c.g, c.b))
                return ::testing::AssertionFailure() << "differs at " << x << ", " << y;
        }
    }
    return ::testing::AssertionSuccess();
}

void putCursorOnLine(QPlainTextEdit* box, int line) {
    QTextCursor cursor(box->document()->findBlockByNumber(line));
    box->setTextCursor(cursor);
}

}  // namespace

TEST(WindowPreview, DrawnAtTheScreensPixelRatio) {
    Window w;
    const int scale = static_cast<int>(std::ceil(w.form->devicePixelRatioF()));
    if (const char* factor = std::getenv("QT_SCALE_FACTOR"); factor && std::string(factor) == "2") {
        ASSERT_EQ(scale, 2);
    }
    auto* normal = w.find<QLabel>("Image6");
    auto* pressed = w.find<QLabel>("Image42");
    EXPECT_EQ(normal->size(), QSize(100, 40));  // laid out in the window's own units
    EXPECT_TRUE(showsPixels(normal, rendered(w, scale).normal, scale));
    EXPECT_TRUE(showsPixels(pressed, rendered(w, scale).pressed, scale));
    w.form->editor().setWidth(150);
    EXPECT_TRUE(showsPixels(normal, rendered(w, scale).normal, scale));

    // The test button too.
    w.click("ktBevelButton12");
    EXPECT_TRUE(showsPixels(w.find<QLabel>("Image5"), rendered(w, scale).normal, scale));
    w.click("ktBevelButton13");

    // Fast edit mode stays quick: its sketch is drawn once, at 1x.
    w.click("SpeedButton1");
    render::TextEngine engine;
    render::RenderPipeline sketch;
    sketch.useTextEngine(engine);
    sketch.render(w.form->design(), nullptr, true);
    EXPECT_TRUE(showsPixels(normal, sketch.normal().cut(150, 40), 1));
}

TEST(WindowPreview, TheWebPageShowsTheLabelUnderTheCursor) {
    Window w;
    const int scale = static_cast<int>(std::ceil(w.form->devicePixelRatioF()));
    auto web = w.form->editor().web();
    web.labels = "Buy\n\nSell now";
    ASSERT_TRUE(w.form->editor().setWebSettings(web));
    auto* normal = w.find<QLabel>("Image6");
    EXPECT_TRUE(showsPixels(normal, rendered(w, scale).normal, scale));  // not on the Web page
    w.find<QTabWidget>("PageControl1")->setCurrentWidget(w.find<QWidget>("TabSheetWeb"));
    auto* labels = w.find<QPlainTextEdit>("WebLabels");
    EXPECT_TRUE(showsPixels(normal, rendered(w, scale, "Buy").normal, scale));
    putCursorOnLine(labels, 2);
    EXPECT_TRUE(showsPixels(normal, rendered(w, scale, "Sell now").normal, scale));
    EXPECT_TRUE(
        showsPixels(w.find<QLabel>("Image42"), rendered(w, scale, "Sell now").pressed, scale));
    putCursorOnLine(labels, 1);  // a blank line: the first label
    EXPECT_TRUE(showsPixels(normal, rendered(w, scale, "Buy").normal, scale));
    EXPECT_EQ(w.form->design().buttonText, "text");  // the design keeps its own
}
