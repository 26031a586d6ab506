// The main window's connections: what each page, the toolbar, the previews and
// the shared actions set off.
#include "app/main_window.h"

#include <algorithm>

#include "app/pictures.h"

namespace bevelmint::app {

void MainWindow::connectPages() {
    editor::Editor* e = &ed;
    connect(shapePage, &ShapePage::shapeChosen, this, [e](state::ShapeKind k) { e->setShape(k); });
    connect(shapePage, &ShapePage::roundnessMoved, this, [e](int v) { e->setRoundness(v); });
    connect(shapePage, &ShapePage::smoothEdgesToggled, this,
            [e](bool on) { e->setSmoothEdges(on); });
    connect(shapePage, &ShapePage::widthMoved, this, [e](int v) { e->setWidth(v); });
    connect(shapePage, &ShapePage::heightMoved, this, [e](int v) { e->setHeight(v); });
    connect(shapePage, &ShapePage::depthMoved, this, [e](int v) { e->setDepth(v); });

    using Target = ColorsPage::Target;
    connect(colorsPage, &ColorsPage::buttonChannelMoved, this,
            [e](state::Channel c, int v) { e->setButtonChannel(c, v); });
    connect(colorsPage, &ColorsPage::textChannelMoved, this,
            [e](state::Channel c, int v) { e->setTextChannel(c, v); });
    connect(colorsPage, &ColorsPage::pickRequested, this, [this](Target t) {
        if (t == Target::button) dialogs.pickButtonColour();
        if (t == Target::text) dialogs.pickTextColour();
        if (t == Target::background) dialogs.pickBackgroundColour();
        if (t == Target::menu) pickMenuColour();
    });
    connect(colorsPage, &ColorsPage::colourEntered, this, [this](Target t, const QColor& colour) {
        if (t == Target::button) ed.setButtonColour(fromQColor(colour));
        if (t == Target::text) ed.setTextColour(fromQColor(colour));
        if (t == Target::background) ed.setBackgroundColour(fromQColor(colour));
        if (t == Target::menu) applyMenuColour(colour);
    });

    connect(lightPage, &LightPage::positionChosen, this, [e](int p) { e->setLightPosition(p); });
    connect(lightPage, &LightPage::lightenFrontToggled, this,
            [e](bool on) { e->setLightenFront(on); });
    connect(lightPage, &LightPage::radiusMoved, this, [e](int v) { e->setLightRadius(v); });
    connect(lightPage, &LightPage::intensityMoved, this, [e](int v) { e->setLightIntensity(v); });
    connect(lightPage, &LightPage::fadeMoved, this, [e](int v) { e->setBorderFade(v); });

    connect(textPage, &TextPage::useTextToggled, this, [e](bool on) { e->setUseText(on); });
    connect(textPage, &TextPage::applyRequested, this,
            [e](const QString& text) { e->setText(text.toStdString()); });
    connect(textPage, &TextPage::fontRequested, this, [this] { dialogs.chooseFont(); });
    connect(textPage, &TextPage::fontSizeMoved, this, [e](int v) { e->setFontSize(v); });
    connect(textPage, &TextPage::text3DToggled, this, [e](bool on) { e->setText3D(on); });
    connect(textPage, &TextPage::offsetXMoved, this, [e](int v) { e->setTextOffsetX(v); });
    connect(textPage, &TextPage::offsetYMoved, this, [e](int v) { e->setTextOffsetY(v); });

    // A cancelled picture dialog changes nothing: the box is put back.
    connect(texturePage, &TexturePage::useTextureToggled, this, [this](bool on) {
        dialogs.setUseTexture(on);
        refreshReadouts();
    });
    connect(texturePage, &TexturePage::chooseRequested, this, [this] { dialogs.chooseTexture(); });
    connect(texturePage, &TexturePage::brightnessMoved, this,
            [e](int v) { e->setTextureBrightness(v); });
    connect(texturePage, &TexturePage::stretchToggled, this,
            [e](bool on) { e->setStretchPreview(on); });

    FileCommands* f = files.get();
    connect(exportPage, &ExportPage::formatChosen, this,
            [e](state::ExportFormat format) { e->chooseExportFormat(format); });
    connect(exportPage, &ExportPage::exportPressedToggled, this,
            [e](bool on) { e->setExportPressed(on); });
    connect(exportPage, &ExportPage::pathRequested, this,
            [f](bool pressed) { f->choosePicturePath(pressed); });
    connect(exportPage, &ExportPage::compressionMoved, this,
            [e](int v) { e->setJpegCompression(v); });
    connect(exportPage, &ExportPage::progressiveToggled, this,
            [e](bool on) { e->setJpegProgressive(on); });
    connect(exportPage, &ExportPage::editAttempted, this, [this] {
        desktop.inform("you can't edit here",
                       "Use the [choose..] Button right next to this field!");
    });
    connect(htmlPage, &HtmlPage::createRequested, this, [f] { f->createHtmlTag(); });
    connect(htmlPage, &HtmlPage::copyRequested, this, [f] { f->copyHtml(); });
    connect(htmlPage, &HtmlPage::saveRequested, this, [f] { f->saveHtml(); });
    connect(htmlPage, &HtmlPage::openRequested, this, [f] { f->openHtml(); });
    connectWebPage();
    connect(aboutPage, &AboutPage::resetSpotClicked, this, [this] {
        ed.setLastFile({});
        desktop.inform("secret feature", "RESET !");
    });

    // A bar dragged through many positions is one undo step.
    for (QAbstractSlider* bar : pages->findChildren<QAbstractSlider*>()) {
        connect(bar, &QAbstractSlider::sliderPressed, this, [e] { e->beginGesture(); });
        connect(bar, &QAbstractSlider::sliderReleased, this, [e] { e->endGesture(); });
    }
    connect(preview, &Preview::popupRequested, this, &MainWindow::openPopupAt);
    connect(preview, &Preview::testRequested, this, &MainWindow::enterTestMode);
    connect(toolbar, &Toolbar::popupRequested, this, &MainWindow::openPopupAt);
    connect(toolbar, &Toolbar::busyIconClicked, this,
            [this] { pages->setCurrentIndex(kAboutPage); });
    connect(testMode, &TestMode::closeRequested, this, &MainWindow::leaveTestMode);
}

void MainWindow::connectWebPage() {
    editor::Editor* e = &ed;
    // Each control changes one setting of the editor's web settings; a refused
    // change (the last scale unchecked) puts the page back.
    auto change = [this, e](auto edit) {
        editor::WebSettings web = e->web();
        edit(web);
        if (!e->setWebSettings(web)) followWeb();
    };
    connect(webPage, &WebPage::formatChosen, this, [change](state::WebFormat f) {
        change([f](editor::WebSettings& w) { w.format = f; });
    });
    connect(webPage, &WebPage::paletteToggled, this,
            [change](bool on) { change([on](editor::WebSettings& w) { w.palette = on; }); });
    connect(webPage, &WebPage::scaleToggled, this, [this, change](int scale, bool on) {
        if (!on && ed.web().scales == std::vector<int>{scale}) {
            followWeb();
            desktop.inform("Scales",
                           "The pictures need at least one scale, so the last one ticked stays "
                           "ticked.");
            return;
        }
        change([scale, on](editor::WebSettings& w) {
            auto& s = w.scales;
            s.erase(std::remove(s.begin(), s.end(), scale), s.end());
            if (on) s.insert(std::upper_bound(s.begin(), s.end(), scale), scale);
        });
    });
    connect(webPage, &WebPage::hoverLiftMoved, this, [e](int v) { e->setHoverLift(v); });
    connect(webPage, &WebPage::baseNameEdited, this, [this, change](const QString& name) {
        const std::string base = name.toStdString();
        if (auto problem = state::baseNameProblem(base)) {
            webPage->restoreBaseName();
            QString message = QString::fromStdString(*problem);
            message[0] = message[0].toUpper();
            desktop.error(message);
            return;
        }
        change([&base](editor::WebSettings& w) { w.baseName = base; });
    });
    connect(webPage, &WebPage::folderRequested, this, [this] { web->chooseFolder(); });
    connect(webPage, &WebPage::markupChosen, this, [change](editor::WebMarkup m) {
        change([m](editor::WebSettings& w) { w.markup = m; });
    });
    connect(webPage, &WebPage::labelsEdited, this, [change](const QString& labels) {
        change([&labels](editor::WebSettings& w) { w.labels = labels.toStdString(); });
    });
    connect(webPage, &WebPage::labelLineChanged, this, [this] {
        if (webPageShown()) showPictures();
    });
    connect(webPage, &WebPage::copyRequested, this, [this] { web->copyMarkup(); });
    connect(webPage, &WebPage::saveRequested, this, [this] { web->saveMarkup(); });
    connect(webPage, &WebPage::openRequested, this, [this] { web->openPage(); });
    connect(webPage, &WebPage::exportRequested, this, [this] { web->exportForWeb(); });
    connect(darkPage, &DarkPage::fieldEdited, this, [e](const QString& name, const QString& v) {
        e->setField(name.toStdString(), v.toStdString());
    });
    // Turning to or from the Web page adds or takes away the hover picture.
    connect(pages, &QTabWidget::currentChanged, this, [this] {
        showPictures();
        if (webPageShown()) followWeb();
        if (pages->currentIndex() == kDarkPage) followDark();
    });
}

void MainWindow::connectActions() {
    const WindowActions& a = actions;
    auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    // Save, load and export leave test mode first, and take what is being typed.
    auto leavingTest = [this](auto command) {
        return [this, command] {
            leaveTestMode();
            webPage->commitPending();
            command(*files);
        };
    };
    on(a.undo, [this] {
        webPage->commitPending();
        ed.undo();
    });
    on(a.redo, [this] {
        webPage->commitPending();
        ed.redo();
    });
    on(a.load, leavingTest([](FileCommands& f) { f.load(); }));
    on(a.loadLast, leavingTest([](FileCommands& f) { f.loadLast(); }));
    on(a.save, leavingTest([](FileCommands& f) { f.save(); }));
    on(a.saveAs, leavingTest([](FileCommands& f) { f.saveAs(); }));
    on(a.exportPictures, leavingTest([](FileCommands& f) { f.exportPictures(); }));
    on(a.exportWeb, [this] {
        leaveTestMode();
        if (webPage->commitPending()) web->exportForWeb();
    });
    for (int i = 0; i < 3; ++i) {
        on(a.shapes[i], [this, i] { ed.setShape(static_cast<state::ShapeKind>(i)); });
        on(a.formats[i], [this, i] { ed.chooseExportFormat(static_cast<state::ExportFormat>(i)); });
    }
    // Only round shapes smooth their edges; for a rectangle the entry changes nothing.
    on(a.smoothEdges, [this] {
        if (ed.smoothEdgesOffered()) ed.setSmoothEdges(!ed.state().smoothEdges);
        updateMenuChecks();
    });
    on(a.pickButtonColour, [this] { dialogs.pickButtonColour(); });
    on(a.pickTextColour, [this] { dialogs.pickTextColour(); });
    on(a.pickBackgroundColour, [this] { dialogs.pickBackgroundColour(); });
    on(a.pickMenuColour, [this] { pickMenuColour(); });
    on(a.changeLightPosition, [this] { ed.rotateLight(); });
    on(a.lightenFront, [this] { ed.setLightenFront(!ed.state().lightenFront); });
    on(a.useText, [this] { ed.setUseText(!ed.state().useText); });
    on(a.text3D, [this] { ed.setText3D(!ed.state().text3D); });
    on(a.useTexture, [this] {
        dialogs.setUseTexture(!ed.state().useTexture);
        refreshReadouts();
    });
    on(a.chooseTexture, [this] { dialogs.chooseTexture(); });
    on(a.exportPressed, [this] { ed.setExportPressed(!ed.state().exportPressed); });
    on(a.switchMode, [this] {
        leaveTestMode();
        ed.setFastEdit(!ed.session().fastEdit);
    });
    on(a.test, [this] { enterTestMode(); });
    on(a.leaveTest, [this] { leaveTestMode(); });
    on(a.about, [this] { pages->setCurrentIndex(kAboutPage); });
    on(a.nextPage,
       [this] { pages->setCurrentIndex((pages->currentIndex() + 1) % pages->count()); });
    on(a.previousPage, [this] {
        pages->setCurrentIndex((pages->currentIndex() + pages->count() - 1) % pages->count());
    });
    on(a.help, [this] { openHelp(); });
    on(a.exit, [this] { close(); });
}

}  // namespace bevelmint::app
