#include "app/main_window.h"

#include <QCloseEvent>
#include <QFileInfo>

#include "app/about_box.h"
#include "app/pictures.h"

// The pictures are compiled into this static library; register them explicitly.
static void initAssets() {
    Q_INIT_RESOURCE(assets);
}

namespace bevelmint::app {

namespace {

using Effect = DesignCommands::Effect;

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

TForm1::TForm1(Desktop& desktop, SettingsStore& settings, const QStringList& arguments,
               bool showSplash, QWidget* parent)
    : QWidget(parent),
      desktop(desktop),
      settings(settings),
      commands(design_, texture, desktop),
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

    textEngine.warn = [this](const std::string& m) {
        this->desktop.error(QString::fromStdString(m));
    };
    pipeline_.useTextEngine(textEngine);
    pipeline_.progress = [this] { Moveicon(); };

    // Created bottom to top: the window background, the previews, the toolbar,
    // the page control and the test mode's controls.
    windowBackground = new Swatch("Shape10", {0, 72, 625, 401}, this);
    windowBackground->setColour(Qt::white);
    preview = new Preview(this);
    toolbar = new Toolbar({actions.save, actions.load, actions.loadLast, actions.test,
                           actions.exportPictures, actions.switchMode, actions.help},
                          this);
    buildPages();
    testMode = new TestMode(this, windowBackground, [this](bool pressed) {
        const image::Picture& p = pressed ? pipeline_.pressed() : pipeline_.normal();
        return toPixmap(p, design_.buttonWidth, design_.buttonHeight);
    });
    files = std::make_unique<FileCommands>(FileCommands::Parts{design_, texture, pipeline_, desktop,
                                                               commands, *exportPage, *htmlPage});
    connectPages();
    connectActions();
    if (showSplash) {
        auto* splash = new TAboutBox(asset("splash.svg", {208, 226}));
        splash->showFor(2000);
    }
    formCreate(arguments);
}

TForm1::~TForm1() = default;

void TForm1::buildPages() {
    pages = new PageControl(this);
    shapePage = new ShapePage;
    colorsPage = new ColorsPage;
    lightPage = new LightPage;
    textPage = new TextPage;
    texturePage = new TexturePage;
    exportPage = new ExportPage;
    htmlPage = new HtmlPage;
    aboutPage = new AboutPage;
    const std::pair<QWidget*, const char*> all[8] = {
        {shapePage, "Shape"}, {colorsPage, "Colors"},   {lightPage, "Light"},
        {textPage, "Text"},   {texturePage, "Texture"}, {exportPage, "Export"},
        {htmlPage, "HTML"},   {aboutPage, "About"}};
    for (const auto& [page, name] : all) {
        page->setObjectName(QString("TabSheet") + name);
        pages->addTab(page, name);
    }
    pages->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pages, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { openPopupAt(pages->mapToGlobal(p)); });
}

// ---------------------------------------------------------------- start-up and shut-down

void TForm1::formCreate(const QStringList& arguments) {
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
        design_.menuColour = static_cast<uint32_t>(rgb[0] + rgb[1] * 256 + rgb[2] * 65536);
        setmenucolor(toQColor(image::splitcolor(design_.menuColour)));
    } else {
        setmenucolor(kFirstMenuColour);
    }
    QString appPath, lastFile;
    settings.readString(kAppPath, appPath);
    design_.appPath = appPath.toStdString();
    settings.readString(kLastFile, lastFile);
    design_.lastFile = lastFile == "none" ? std::string() : lastFile.toStdString();
    design_.busyFrame = 1;
    design_.liveUpdate = true;
    updateallnumbers();
    updateTitle();
    // A design named first is opened; further arguments are ignored. One that
    // cannot be read leaves the defaults, which are rendered all the same.
    if (arguments.isEmpty() || !files->open(arguments.front())) paintbutton();
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (unsaved) {
        const QString name = designPath.isEmpty() ? "the button" : QFileInfo(designPath).fileName();
        const Desktop::SaveAnswer answer = desktop.askToSave(name);
        if (answer == Desktop::SaveAnswer::cancel ||
            (answer == Desktop::SaveAnswer::save && !files->save())) {
            e->ignore();
            return;
        }
    }
    if (pages->currentIndex() == kLightPage) pages->setCurrentIndex(0);
    // A refused write is shown; the window closes all the same.
    if (auto error = settings.writeString(kLastFile, QString::fromStdString(design_.lastFile))) {
        desktop.error(error->message);
    }
    e->accept();
}

void TForm1::openHelp() {
    QString folder = QString::fromStdString(design_.appPath);
    if (!QFileInfo::exists(folder + "/Help.html")) {
        for (const QString& candidate :
             {QString(BEVELMINT_INSTALLED_ASSETS), QString(BEVELMINT_SOURCE_ASSETS)}) {
            if (QFileInfo::exists(candidate + "/Help.html")) {
                folder = candidate;
                break;
            }
        }
    }
    desktop.openFile(folder + "/Help.html", false);
}

// ---------------------------------------------------------------- after an action

void TForm1::applied(Effect effect) {
    updateallnumbers();
    if (effect == Effect::quiet || effect == Effect::render) {
        unsaved = true;
        updateTitle();
    }
    if (effect == Effect::render || effect == Effect::redraw) paintbutton();
}

void TForm1::designNamed(const QString& path) {
    designPath = path;
    unsaved = false;
    updateTitle();
}

// "NAME.bvm - Bevelmint" with the desktop's mark while there are unsaved changes.
void TForm1::updateTitle() {
    if (designPath.isEmpty()) {
        setWindowTitle("Bevelmint");
        return;
    }
    setWindowTitle(QFileInfo(designPath).fileName() + "[*] - Bevelmint");
    setWindowModified(unsaved);
}

// ---------------------------------------------------------------- render and read-outs

void TForm1::paintbutton() {
    ++renders;
    updatemenu();
    pipeline_.paintbutton(design_, render::activeTexture(design_, texture));
    toolbar->showBusyFrame(1);
    preview->show(pipeline_.normal(), pipeline_.pressed(), design_.buttonWidth,
                  design_.buttonHeight);
}

void TForm1::Moveicon() {
    toolbar->showBusyFrame(design_.busyFrame);
    design_.busyFrame = design_.busyFrame == 8 ? 1 : design_.busyFrame + 1;
}

// Every view reads the design again, its signals blocked; nothing renders.
void TForm1::updateallnumbers() {
    state::updateDerived(design_);
    toolbar->setModeCaption(design_.fastEdit);
    shapePage->follow(design_);
    colorsPage->follow(design_);
    lightPage->follow(design_);
    textPage->follow(design_);
    texturePage->follow(design_, texture);
    exportPage->follow(design_);
    preview->setBackground(QColor(design_.backRed, design_.backGreen, design_.backBlue));
    updatemenu();
}

void TForm1::updatemenu() {
    actions.follow(design_, {texturePage->chooseEnabled(), design_.text3D,
                             textPage->text3DEnabled(), shapePage->smoothEdgesEnabled()});
}

void TForm1::setmenucolor(const QColor& c) {
    pages->setTabColour(c);
    toolbar->setMenuColour(c);
    colorsPage->setMenuColour(c);
}

void TForm1::pickMenuColour() {
    if (const auto c = desktop.chooseColour(colorsPage->menuColour())) applyMenuColour(*c);
}

void TForm1::applyMenuColour(const QColor& c) {
    design_.menuColour = image::makecolor(fromQColor(c));
    setmenucolor(c);
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

void TForm1::enterTestMode() {
    if (design_.fastEdit) {
        resetfromshowmode();
        commands.switchMode();
    }
    pages->hide();
    preview->setShown(false);
    testMode->enter({design_.buttonWidth, design_.buttonHeight}, preview->background());
    actions.leaveTest->setEnabled(true);
}

void TForm1::resetfromshowmode() {
    pages->show();
    preview->setShown(true);
    testMode->leave();
    actions.leaveTest->setEnabled(false);
}

void TForm1::openPopupAt(const QPoint& globalPos) {
    updatemenu();
    actions.popup->popup(globalPos);
}

void TForm1::formatChosen(state::ExportFormat f) {
    exportPage->clearPaths();
    commands.chooseFormat(f);
}

}  // namespace bevelmint::app
