#include "app/main_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "app/about_box.h"
#include "app/pictures.h"

// The pictures are compiled into this static library; register them explicitly.
static void initAssets() {
    Q_INIT_RESOURCE(assets);
}

namespace bevelmint::app {

namespace {

// Check boxes and radio buttons drawn with the program's glyphs.
QString glyphStyle() {
    QString style;
    for (const char* kind : {"QCheckBox", "QRadioButton"}) {
        const QString name = QString(kind) == "QCheckBox" ? "check" : "radio";
        style += QString(
                     "%1::indicator { width: 14px; height: 14px; image: url(:/assets/%2-off.svg); }"
                     "%1::indicator:checked { image: url(:/assets/%2-on.svg); }"
                     "%1::indicator:disabled { image: url(:/assets/%2-off-disabled.svg); }"
                     "%1::indicator:checked:disabled { image: url(:/assets/%2-on-disabled.svg); }")
                     .arg(kind, name);
    }
    return style;
}

}  // namespace

MainWindow::MainWindow(Desktop& desktop, SettingsStore& settings, const QStringList& arguments,
                       bool showSplash, QWidget* parent)
    : QWidget(parent),
      desktop(desktop),
      settings(settings),
      dialogs(ed, desktop),
      actions((initAssets(), this)) {
    setObjectName("Form1");
    setFixedSize(624, 447);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    setStyleSheet(glyphStyle());

    ed.setFontWarning(
        [this](const std::string& m) { this->desktop.error(QString::fromStdString(m)); });
    ed.setRenderProgress([this] { advanceBusyIcon(); });
    ed.setRenderOnChange(true);

    // Created bottom to top: the window background, the previews, the toolbar,
    // the page control and the test mode's controls.
    windowBackground = new Swatch("Shape10", {0, 72, 625, 401}, this);
    windowBackground->setColour(Qt::white);
    preview = new Preview(this);
    toolbar = new Toolbar({actions.save, actions.load, actions.loadLast, actions.test,
                           actions.exportPictures, actions.switchMode, actions.help},
                          this);
    buildPages();
    testMode = new TestMode(this, windowBackground, [this](TestMode::Look look) {
        const int scale = previewScale();
        const render::ButtonPictures& p = ed.preview({scale, true, -1});
        const image::Picture& shown = look == TestMode::Look::pressed ? p.pressed
                                      : look == TestMode::Look::hover ? p.hover
                                                                      : p.normal;
        return toPixmap(shown, ed.state().buttonWidth, ed.state().buttonHeight, scale);
    });
    runner = new ExportRunner(this);
    connect(runner, &ExportRunner::runningChanged, this, &MainWindow::followExport);
    files = std::make_unique<FileCommands>(ed, desktop, *htmlPage, *runner);
    web = std::make_unique<WebCommands>(ed, desktop, *webPage, *runner);
    ed.setTextureProgress([this](int percent) { texturePage->showProgress(percent); });
    ed.subscribe([this](editor::Changes c) { changed(c); });
    connectPages();
    connectActions();
    if (showSplash) {
        auto* splash = new AboutBox(asset("splash.svg", {208, 226}));
        splash->showFor(2000);
    }
    startUp(arguments);
}

// The pages go before the editor they report to: a field losing the focus as
// the window closes must not reach a destroyed editor.
MainWindow::~MainWindow() {
    runner->cancel();
    runner->finishNow();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete child;
}

void MainWindow::buildPages() {
    pages = new PageControl(this);
    shapePage = new ShapePage;
    colorsPage = new ColorsPage;
    lightPage = new LightPage;
    textPage = new TextPage;
    texturePage = new TexturePage;
    exportPage = new ExportPage;
    htmlPage = new HtmlPage;
    webPage = new WebPage;
    darkPage = new DarkPage;
    aboutPage = new AboutPage;
    const std::pair<QWidget*, const char*> all[10] = {
        {shapePage, "Shape"},     {colorsPage, "Colors"}, {lightPage, "Light"}, {textPage, "Text"},
        {texturePage, "Texture"}, {exportPage, "Export"}, {htmlPage, "HTML"},   {webPage, "Web"},
        {darkPage, "Dark"},       {aboutPage, "About"}};
    for (const auto& [page, name] : all) {
        page->setObjectName(QString("TabSheet") + name);
        pages->addTab(page, name);
    }
    pages->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pages, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { openPopupAt(pages->mapToGlobal(p)); });
}

// ---------------------------------------------------------------- start-up and shut-down

void MainWindow::startUp(const QStringList& arguments) {
    int rgb[3] = {0, 0, 0};
    const QString colourNames[3] = {kMenuRedValue, kMenuGreenValue, kMenuBlueValue};
    bool colourOk = true;
    for (int k = 0; k < 3 && colourOk; ++k) {
        if (auto e = settings.readInteger(colourNames[k], rgb[k])) {
            desktop.error(e->message);
            colourOk = false;
        }
    }
    if (colourOk) {
        // The channels are added, not masked.
        ed.setMenuColour(static_cast<uint32_t>(rgb[0] + rgb[1] * 256 + rgb[2] * 65536));
        setMenuColour(toQColor(image::splitColor(ed.session().menuColour)));
    } else {
        setMenuColour(kFirstMenuColour);
    }
    QString appPath, lastFile;
    settings.readString(kAppPath, appPath);
    ed.setAppPath(appPath.toStdString());
    settings.readString(kLastFile, lastFile);
    ed.setLastFile(lastFile == "none" ? std::string() : lastFile.toStdString());
    refreshReadouts();
    updateTitle();
    // A design named first is opened; further arguments are ignored. One that
    // cannot be read leaves the defaults, which are rendered all the same.
    if (arguments.isEmpty() || !files->open(arguments.front())) ed.render();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // An export being written is cancelled: the old files stay.
    runner->cancel();
    runner->finishNow();
    webPage->commitPending();
    if (!files->mayDropChanges("closing")) {
        e->ignore();
        return;
    }
    if (pages->currentIndex() == kLightPage) pages->setCurrentIndex(0);
    // A refused write is shown; the window closes all the same.
    if (auto error =
            settings.writeString(kLastFile, QString::fromStdString(ed.session().lastFile))) {
        desktop.error(error->message);
    }
    e->accept();
}

void MainWindow::openHelp() {
    QString folder = QString::fromStdString(ed.session().appPath);
    if (!QFileInfo::exists(folder + "/Help.html")) {
        for (const QString& candidate :
             {QString(BEVELMINT_INSTALLED_ASSETS), QString(BEVELMINT_SOURCE_ASSETS)}) {
            if (QFileInfo::exists(candidate + "/Help.html")) {
                folder = candidate;
                break;
            }
        }
    }
    openShown(desktop, folder + "/Help.html", false);
}

// ---------------------------------------------------------------- after an operation

// The editor's report: every view reads the design again, its signals blocked.
void MainWindow::changed(editor::Changes changes) {
    refreshReadouts();
    if (changes.has(editor::Aspect::pictures)) showPictures();
    if (webPageShown()) followWeb();
    if (pages->currentIndex() == kDarkPage) followDark();
    if (changes.has(editor::Aspect::document)) updateTitle();
    if (changes.has(editor::Aspect::history)) actions.followHistory(ed.canUndo(), ed.canRedo());
}

// "NAME.bvm - Bevelmint", or "Bevelmint" for a design never saved, with the
// desktop's mark exactly while closing would ask about unsaved changes.
void MainWindow::updateTitle() {
    const QString path = QString::fromStdString(ed.documentPath());
    setWindowTitle(path.isEmpty() ? "Bevelmint[*]"
                                  : QFileInfo(path).fileName() + "[*] - Bevelmint");
    setWindowModified(ed.modified());
}

// ---------------------------------------------------------------- render and read-outs

void MainWindow::renderButton() {
    ed.render();
}

void MainWindow::showPictures() {
    updateMenuChecks();
    texturePage->hideProgress();
    toolbar->showBusyFrame(1);
    const state::ButtonState& s = ed.state();
    // The hover picture is drawn only while the Web page shows it, and there
    // the label under the cursor in the label list is shown.
    const bool web = webPageShown();
    const editor::Editor::PreviewRequest request{previewScale(), web,
                                                 web ? webPage->labelLine() : -1};
    preview->show(ed.preview(request), s.buttonWidth, s.buttonHeight, request.scale, web);
}

int MainWindow::previewScale() const {
    // Fast edit mode stays quick: its sketch is drawn at 1x.
    if (ed.session().fastEdit) return 1;
    return std::clamp(static_cast<int>(std::ceil(devicePixelRatioF())), state::kScaleRange.min,
                      state::kScaleRange.max);
}

bool MainWindow::webPageShown() const {
    return pages->currentIndex() == kWebPage && !testMode->active();
}

// The dark scheme's fields and its button, drawn only while the page shows.
void MainWindow::followDark() {
    const state::ButtonState& s = ed.state();
    darkPage->follow(s);
    darkPage->showPreview(ed.darkPreview(), {s.dark.backRed, s.dark.backGreen, s.dark.backBlue});
}

// The Web page's settings, its markup and the contrast figures of the last render.
void MainWindow::followWeb() {
    webPage->follow(ed.web(), ed.state().hoverLift);
    webPage->showMarkup(QString::fromStdString(ed.webMarkupText()));
    webPage->showReport(ed.contrastReport());
}

void MainWindow::advanceBusyIcon() {
    toolbar->showBusyFrame(busyFrame_);
    busyFrame_ = busyFrame_ == 8 ? 1 : busyFrame_ + 1;
}

void MainWindow::refreshReadouts() {
    const state::ButtonState& s = ed.state();
    toolbar->setModeCaption(ed.session().fastEdit);
    shapePage->follow(s);
    colorsPage->follow(s);
    lightPage->follow(s);
    textPage->follow(s);
    texturePage->follow(s, ed.texture());
    exportPage->follow(s, ed.exportPath(), ed.exportPressedPath());
    preview->setBackground(QColor(s.backRed, s.backGreen, s.backBlue));
    updateMenuChecks();
}

void MainWindow::followExport(bool running) {
    for (int i = 0; i < pages->count(); ++i)
        pages->widget(i)->setEnabled(!running);
    actions.setExporting(running);
    updateMenuChecks();
    actions.followHistory(ed.canUndo(), ed.canRedo());
}

void MainWindow::updateMenuChecks() {
    actions.follow(ed.state(), {texturePage->chooseEnabled(), ed.state().text3D,
                                textPage->text3DEnabled(), shapePage->smoothEdgesEnabled()});
}

void MainWindow::setMenuColour(const QColor& c) {
    pages->setTabColour(c);
    toolbar->setMenuColour(c);
    colorsPage->setMenuColour(c);
}

void MainWindow::pickMenuColour() {
    if (const auto c = desktop.chooseColour(colorsPage->menuColour())) applyMenuColour(*c);
}

void MainWindow::applyMenuColour(const QColor& c) {
    ed.setMenuColour(image::makeColor(fromQColor(c)));
    setMenuColour(c);
    const int rgb[3] = {c.red(), c.green(), c.blue()};
    const QString names[3] = {kMenuRedValue, kMenuGreenValue, kMenuBlueValue};
    for (int k = 0; k < 3; ++k) {
        if (auto e = settings.writeInteger(names[k], rgb[k])) {
            desktop.error(e->message);
            return;
        }
    }
}

// ---------------------------------------------------------------- test mode

void MainWindow::enterTestMode() {
    if (runner->running()) return;
    webPage->commitPending();
    if (ed.session().fastEdit) {
        leaveTestMode();
        ed.setFastEdit(false);
    }
    pages->hide();
    preview->setShown(false);
    // From the Web page the button is tried as the web page will show it.
    testMode->enter({ed.state().buttonWidth, ed.state().buttonHeight}, preview->background(),
                    pages->currentIndex() == kWebPage);
    actions.leaveTest->setEnabled(true);
}

void MainWindow::leaveTestMode() {
    const bool wasActive = testMode->active();
    pages->show();
    preview->setShown(true);
    testMode->leave();
    if (wasActive && webPageShown()) {
        showPictures();
        followWeb();
    }
    actions.leaveTest->setEnabled(false);
}

void MainWindow::openPopupAt(const QPoint& globalPos) {
    updateMenuChecks();
    actions.popup->popup(globalPos);
}

}  // namespace bevelmint::app
