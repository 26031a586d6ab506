// The main window's connections: what each page, the toolbar, the previews and
// the shared actions set off.
#include "app/main_window.h"

namespace bevelmint::app {

void TForm1::connectPages() {
    DesignCommands* c = &commands;
    connect(c, &DesignCommands::done, this, &TForm1::applied);
    connect(c, &DesignCommands::progress, texturePage, &TexturePage::showProgress);
    connect(c, &DesignCommands::progressEnded, texturePage, &TexturePage::hideProgress);

    connect(shapePage, &ShapePage::shapeChosen, c, &DesignCommands::chooseShape);
    connect(shapePage, &ShapePage::roundnessMoved, c, &DesignCommands::setRoundness);
    connect(shapePage, &ShapePage::smoothEdgesToggled, c, &DesignCommands::setSmoothEdges);
    connect(shapePage, &ShapePage::widthMoved, c, &DesignCommands::setWidth);
    connect(shapePage, &ShapePage::heightMoved, c, &DesignCommands::setHeight);
    connect(shapePage, &ShapePage::depthMoved, c, &DesignCommands::setDepth);

    using Target = ColorsPage::Target;
    connect(colorsPage, &ColorsPage::buttonChannelMoved, c, &DesignCommands::setButtonChannel);
    connect(colorsPage, &ColorsPage::textChannelMoved, c, &DesignCommands::setTextChannel);
    connect(colorsPage, &ColorsPage::pickRequested, this, [this](Target t) {
        if (t == Target::button) commands.pickButtonColour();
        if (t == Target::text) commands.pickTextColour();
        if (t == Target::background) commands.pickBackgroundColour();
        if (t == Target::menu) pickMenuColour();
    });
    connect(colorsPage, &ColorsPage::colourEntered, this, [this](Target t, const QColor& colour) {
        if (t == Target::button) commands.setButtonColour(colour);
        if (t == Target::text) commands.setTextColour(colour);
        if (t == Target::background) commands.setBackgroundColour(colour);
        if (t == Target::menu) applyMenuColour(colour);
    });

    connect(lightPage, &LightPage::positionChosen, c, &DesignCommands::chooseLight);
    connect(lightPage, &LightPage::lightenFrontToggled, c, &DesignCommands::setLightenFront);
    connect(lightPage, &LightPage::radiusMoved, c, &DesignCommands::setLightRadius);
    connect(lightPage, &LightPage::intensityMoved, c, &DesignCommands::setLightIntensity);
    connect(lightPage, &LightPage::fadeMoved, c, &DesignCommands::setBorderFade);

    connect(textPage, &TextPage::useTextToggled, c, &DesignCommands::setUseText);
    connect(textPage, &TextPage::applyRequested, c, &DesignCommands::applyText);
    connect(textPage, &TextPage::fontRequested, c, &DesignCommands::chooseFont);
    connect(textPage, &TextPage::fontSizeMoved, c, &DesignCommands::setFontSize);
    connect(textPage, &TextPage::text3DToggled, c, &DesignCommands::setText3D);
    connect(textPage, &TextPage::offsetXMoved, c, &DesignCommands::setTextOffsetX);
    connect(textPage, &TextPage::offsetYMoved, c, &DesignCommands::setTextOffsetY);

    connect(texturePage, &TexturePage::useTextureToggled, c, &DesignCommands::setUseTexture);
    connect(texturePage, &TexturePage::chooseRequested, c, &DesignCommands::chooseTexture);
    connect(texturePage, &TexturePage::brightnessMoved, c, &DesignCommands::setTextureBrightness);
    connect(texturePage, &TexturePage::stretchToggled, c, &DesignCommands::setStretchPreview);

    FileCommands* f = files.get();
    connect(exportPage, &ExportPage::formatChosen, this, &TForm1::formatChosen);
    connect(exportPage, &ExportPage::exportPressedToggled, c, &DesignCommands::setExportPressed);
    connect(exportPage, &ExportPage::pathRequested, f, &FileCommands::choosePicturePath);
    connect(exportPage, &ExportPage::compressionMoved, c, &DesignCommands::setJpegCompression);
    connect(exportPage, &ExportPage::progressiveToggled, c, &DesignCommands::setJpegProgressive);
    connect(exportPage, &ExportPage::editAttempted, this, [this] {
        desktop.inform("you can't edit here",
                       "Use the [choose..] Button right next to this field!");
    });
    connect(htmlPage, &HtmlPage::createRequested, f, &FileCommands::createHtmlTag);
    connect(htmlPage, &HtmlPage::copyRequested, f, &FileCommands::copyHtml);
    connect(htmlPage, &HtmlPage::saveRequested, f, &FileCommands::saveHtml);
    connect(htmlPage, &HtmlPage::openRequested, f, &FileCommands::openHtml);
    connect(aboutPage, &AboutPage::resetSpotClicked, this, [this] {
        design_.lastFile.clear();
        desktop.inform("secret feature", "RESET !");
    });

    connect(f, &FileCommands::saved, this, &TForm1::designNamed);
    connect(f, &FileCommands::loaded, this, [this](const QString& path) {
        textPage->showInscription(design_);
        texturePage->forgetPreview();
        exportPage->setPressedPathEnabled(design_.exportPressed);
        updateallnumbers();
        paintbutton();
        designNamed(path);
    });
    connect(f, &FileCommands::renderRequested, this, &TForm1::paintbutton);
    connect(preview, &Preview::popupRequested, this, &TForm1::openPopupAt);
    connect(preview, &Preview::testRequested, this, &TForm1::enterTestMode);
    connect(toolbar, &Toolbar::popupRequested, this, &TForm1::openPopupAt);
    connect(toolbar, &Toolbar::busyIconClicked, this,
            [this] { pages->setCurrentIndex(kAboutPage); });
    connect(testMode, &TestMode::closeRequested, this, &TForm1::resetfromshowmode);
}

void TForm1::connectActions() {
    const WindowActions& a = actions;
    auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    auto leavingTest = [this](void (FileCommands::*command)()) {
        return [this, command] {
            resetfromshowmode();
            (files.get()->*command)();
        };
    };
    on(a.load, leavingTest(&FileCommands::load));
    on(a.loadLast, leavingTest(&FileCommands::loadLast));
    on(a.save, [this] {
        resetfromshowmode();
        files->save();
    });
    on(a.exportPictures, leavingTest(&FileCommands::exportPictures));
    for (int i = 0; i < 3; ++i) {
        on(a.shapes[i], [this, i] { commands.chooseShape(static_cast<state::ShapeKind>(i)); });
        on(a.formats[i], [this, i] { formatChosen(static_cast<state::ExportFormat>(i)); });
    }
    on(a.smoothEdges, [this] { commands.toggleSmoothEdges(); });
    on(a.pickButtonColour, [this] { commands.pickButtonColour(); });
    on(a.pickTextColour, [this] { commands.pickTextColour(); });
    on(a.pickBackgroundColour, [this] { commands.pickBackgroundColour(); });
    on(a.pickMenuColour, [this] { pickMenuColour(); });
    on(a.changeLightPosition, [this] { commands.rotateLight(); });
    on(a.lightenFront, [this] { commands.setLightenFront(!design_.lightenFront); });
    on(a.useText, [this] { commands.setUseText(!design_.useText); });
    on(a.text3D, [this] { commands.setText3D(!design_.text3D); });
    on(a.useTexture, [this] { commands.setUseTexture(!design_.useTexture); });
    on(a.chooseTexture, [this] { commands.chooseTexture(); });
    on(a.exportPressed, [this] {
        commands.setExportPressed(!design_.exportPressed);
        exportPage->setPressedPathEnabled(design_.exportPressed);
    });
    on(a.switchMode, [this] {
        resetfromshowmode();
        commands.switchMode();
    });
    on(a.test, [this] { enterTestMode(); });
    on(a.leaveTest, [this] { resetfromshowmode(); });
    on(a.about, [this] { pages->setCurrentIndex(kAboutPage); });
    on(a.help, [this] { openHelp(); });
    on(a.exit, [this] { close(); });
}

}  // namespace bevelmint::app
