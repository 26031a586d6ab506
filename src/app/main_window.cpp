#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

#include "app/about_box.h"
#include "export/html_snippet.h"
#include "export/picture_export.h"
#include "files/design_file.h"
#include "image/bmp_reader.h"
#include "image/color.h"

// The pictures are compiled into this static library; register them explicitly.
static void initAssets() {
    Q_INIT_RESOURCE(assets);
}

namespace bevelmint::app {

namespace {

using state::Channel;
using state::ShapeKind;

QColor toQColor(image::Rgb c) {
    return QColor(c.r, c.g, c.b);
}
QColor toQColor(uint32_t v) {
    return toQColor(image::splitcolor(v));
}
image::Rgb fromQColor(const QColor& c) {
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
            static_cast<uint8_t>(c.blue())};
}

// The top-left w x h pixels of a picture.
QPixmap toPixmap(const image::Picture& p, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const image::Rgb c = image::splitcolor(p.pixel(x, y));
            line[x] = qRgb(c.r, c.g, c.b);
        }
    }
    return QPixmap::fromImage(image);
}

QLabel* label(const QString& text, QRect place, QWidget* parent, const QString& name = {}) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    if (!name.isEmpty()) l->setObjectName(name);
    return l;
}

QGroupBox* frame(const QString& caption, QRect place, QWidget* parent) {
    auto* g = new QGroupBox(caption, parent);
    g->setGeometry(place);
    return g;
}

template <class W>
W* named(W* w, const QString& name, const QString& hint, QRect place) {
    w->setObjectName(name);
    w->setToolTip(hint);
    w->setGeometry(place);
    return w;
}

const Channel kChannels[3] = {Channel::red, Channel::green, Channel::blue};
// Light positions in clockwise order round the diagram.
const int kClockwise[8] = {1, 2, 3, 5, 8, 7, 6, 4};

}  // namespace

TForm1::TForm1(Desktop& desktop, SettingsStore& settings, const QStringList& arguments,
               bool showSplash, QWidget* parent)
    : QWidget(parent), desktop_(desktop), settings_(settings) {
    initAssets();
    setObjectName("Form1");
    setWindowTitle("Bevelmint");
    setFixedSize(624, 447);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    // Check boxes and radio buttons drawn with the program's glyphs.
    QString glyphs;
    for (const char* kind : {"QCheckBox", "QRadioButton"}) {
        const QString name = QString(kind) == "QCheckBox" ? "check" : "radio";
        glyphs +=
            QString(
                "%1::indicator { width: 14px; height: 14px; image: url(:/assets/%2-off.svg); }"
                "%1::indicator:checked { image: url(:/assets/%2-on.svg); }"
                "%1::indicator:disabled { image: url(:/assets/%2-off-disabled.svg); }"
                "%1::indicator:checked:disabled { image: url(:/assets/%2-on-disabled.svg); }")
                .arg(kind, name);
    }
    setStyleSheet(glyphs);

    text_.warn = [this](const std::string& m) { desktop_.error(QString::fromStdString(m)); };
    pipeline_.useTextEngine(text_);
    pipeline_.progress = [this] { Moveicon(); };

    shape10_ = new Swatch("Shape10", {0, 72, 625, 401}, this);
    shape10_->setColour(Qt::white);
    shape10_->setMouseTracking(true);
    shape10_->installEventFilter(this);
    buildPreview();
    buildToolbar();
    pages_ = new PageControl(this);
    const char* names[8] = {"Shape",   "Colors", "Light", "Text",
                            "Texture", "Export", "HTML",  "About"};
    for (const char* n : names) {
        auto* page = new QWidget;
        page->setObjectName(QString("TabSheet") + n);
        pages_->addTab(page, n);
    }
    buildShapePage(pages_->widget(0));
    buildColorsPage(pages_->widget(1));
    buildLightPage(pages_->widget(2));
    buildTextPage(pages_->widget(3));
    buildTexturePage(pages_->widget(4));
    buildExportPage(pages_->widget(5));
    buildHtmlPage(pages_->widget(6));
    buildAboutPage(pages_->widget(7));
    pages_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pages_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { openPopupAt(pages_->mapToGlobal(p)); });
    buildTestMode();
    buildPopupMenu();
    if (showSplash) {
        auto* splash = new TAboutBox(asset("splash.svg", {208, 226}));
        splash->showFor(2000);
    }
    formCreate(arguments);
}

QPixmap TForm1::asset(const QString& name, QSize size) const {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(":/assets/" + name);
    QPainter painter(&pixmap);
    svg.render(&painter);
    return pixmap;
}

QAction* TForm1::menuAction(const char* name) const {
    return popup_->findChild<QAction*>(name);
}

// ---------------------------------------------------------------- building

// A control whose change stores one field, refreshes the read-outs and renders if live.
void TForm1::bindRefreshed(QAbstractSlider* control, int32_t state::ButtonState::*field) {
    connect(control, &QAbstractSlider::valueChanged, this, [this, field](int v) {
        s_.*field = v;
        updateallnumbers();
        renderIfLive();
    });
}

void TForm1::buildToolbar() {
    shape9_ = new Swatch("Shape9", {0, 0, 625, 40}, this);
    shape9_->installEventFilter(this);
    struct Spec {
        const char* name;
        const char* caption;
        const char* hint;
        int x, w;
        const char* glyph;
    };
    const Spec specs[7] = {
        {"ktBevelButton2", "      Save...", "Save the button information to a file", 8, 70,
         "glyph-save"},
        {"ktBevelButton7", "     Load...", "Load button information from a file", 84, 70,
         "glyph-load"},
        {"ktBevelButton8", "      Load Last...", "Load the last saved or loaded button information",
         160, 97, "glyph-loadlast"},
        {"ktBevelButton12", "      Test", "test the button instantly", 264, 57, "glyph-test"},
        {"ktBevelButton9", "       Export...", "Export the button picture", 329, 88,
         "glyph-export"},
        {"SpeedButton1", "Fast Edit Mode", "switch edit mode", 424, 97, "glyph-mode"},
        {"SpeedButton2", "Help", "Click here for help !", 528, 57, "glyph-help"},
    };
    for (int i = 0; i < 7; ++i) {
        const Spec& sp = specs[i];
        auto* b = new BevelButton(sp.name, sp.caption, sp.hint, {sp.x, 5, sp.w, 26}, this);
        b->setIcon(QIcon(asset(QString(sp.glyph) + ".svg", {16, 16})));
        toolbar_[i] = b;
    }
    modeButton_ = toolbar_[5];
    connect(toolbar_[3], &QPushButton::clicked, this, &TForm1::enterTestMode);
    connect(modeButton_, &QPushButton::clicked, this, &TForm1::switchMode);
    connect(toolbar_[6], &QPushButton::clicked, this, &TForm1::openHelp);
    connect(toolbar_[0], &QPushButton::clicked, this, &TForm1::saveDesign);
    connect(toolbar_[1], &QPushButton::clicked, this, &TForm1::loadDesign);
    connect(toolbar_[2], &QPushButton::clicked, this, &TForm1::loadLastDesign);
    connect(toolbar_[4], &QPushButton::clicked, this, &TForm1::exportPictures);

    busyIcon_ = new PointerLabel("Image31", this);
    busyIcon_->setGeometry(592, 3, 30, 30);
    busyIcon_->setToolTip("Click here for details");
    busyIcon_->setPixmap(asset("busy-1.svg", {30, 30}));
    connect(busyIcon_, &PointerLabel::released, this,
            [this](Qt::MouseButton) { pages_->setCurrentIndex(7); });
}

void TForm1::buildPreview() {
    shape3_ = new Swatch("Shape3", {283, 40, 350, 201}, this);
    shape7_ = new Swatch("Shape7", {283, 239, 350, 210}, this);
    shape17_ = new Swatch("Shape17", {283, 40, 350, 1}, this);
    shape18_ = new Swatch("Shape18", {283, 239, 350, 1}, this);
    shape17_->setColour(Qt::gray);
    shape18_->setColour(Qt::gray);
    auto preview = [this](const char* name, const char* hint) {
        auto* l = new PointerLabel(name, this);
        l->setToolTip(hint);
        l->installEventFilter(this);
        connect(l, &PointerLabel::released, this, [this](Qt::MouseButton b) {
            if (b == Qt::LeftButton) enterTestMode();
        });
        return l;
    };
    image6_ = preview("Image6", "normal Button View");
    image42_ = preview("Image42", "pressed Button View");
    shape3_->installEventFilter(this);
    shape7_->installEventFilter(this);
}

void TForm1::buildShapePage(QWidget* page) {
    auto* shape = frame("Button Shape", {6, 6, 216, 150}, page);
    const char* names[3] = {"AMRadioButton1", "AMRadioButton2", "AMRadioButton3"};
    const char* captions[3] = {"Rectangle", "Ellipse/Circle", "RoundRect"};
    const char* hints[3] = {"set the buttons shape to rectangular",
                            "set the buttons shape to ellipse/circle",
                            "set the buttons shape to roundrect"};
    const char* icons[3] = {"shape-rect.svg", "shape-ellipse.svg", "shape-rrect.svg"};
    for (int i = 0; i < 3; ++i) {
        auto* icon = label({}, {10, 22 + 26 * i, 32, 20}, shape);
        icon->setPixmap(asset(icons[i], {32, 20}));
        shapeButtons_[i] = named(new QRadioButton(captions[i], shape), names[i], hints[i],
                                 {48, 22 + 26 * i, 150, 20});
        const ShapeKind kind = static_cast<ShapeKind>(i);
        connect(shapeButtons_[i], &QRadioButton::clicked, this,
                [this, kind] { shapeChosen(kind); });
    }
    shapeButtons_[0]->setChecked(true);
    roundnessLabel_ = label("Roundness:", {10, 102, 80, 18}, shape, "Label10");
    roundness_ = named(new FatScrollBar(Qt::Horizontal, 0, 200, 15, 5, shape), "FatScrollBar1",
                       "adjust the roundrects edge roundness", {90, 102, 116, 18});
    connect(roundness_, &QScrollBar::valueChanged, this, [this](int v) {
        s_.roundness = v;
        roundness_->setToolTip(QString::number(v));
        renderIfLive();
    });
    smoothEdges_ = named(new QCheckBox("Smooth Edges", shape), "AMCheckBox8",
                         "enable smoothing algorithm", {10, 124, 150, 20});
    connect(smoothEdges_, &QCheckBox::clicked, this, [this](bool on) {
        s_.smoothEdges = on;
        renderIfLive();
    });

    auto* dims = frame("Button Dimensions", {6, 162, 216, 230}, page);
    label("Width", {10, 22, 60, 18}, dims);
    width_ = named(new FatScrollBar(Qt::Horizontal, 20, 330, 100, 5, dims), "FatScrollBar2",
                   "Adjust the buttons width", {10, 42, 160, 20});
    widthOut_ = label("100", {176, 42, 34, 20}, dims, "Label24");
    label("Height", {10, 72, 60, 18}, dims);
    height_ = named(new FatScrollBar(Qt::Vertical, 10, 195, 40, 5, dims), "FatScrollBar3",
                    "Adjust the buttons Height", {20, 92, 20, 120});
    heightOut_ = label("40", {46, 144, 34, 20}, dims, "Label34");
    label("Depth", {110, 72, 60, 18}, dims);
    depth_ = named(new FatScrollBar(Qt::Vertical, 1, 20, 7, 5, dims), "FatScrollBar4",
                   "Adjust the buttons depth", {120, 92, 20, 120});
    depthOut_ = label("7", {146, 144, 34, 20}, dims, "Label9");
    connect(width_, &QScrollBar::valueChanged, this, &TForm1::widthChanged);
    connect(height_, &QScrollBar::valueChanged, this, &TForm1::heightChanged);
    connect(depth_, &QScrollBar::valueChanged, this, &TForm1::depthChanged);
}

void TForm1::buildColorsPage(QWidget* page) {
    auto bars = [this](QWidget* parent, FatScrollBar** out, const char* const names[3], int top) {
        const char* captions[3] = {"Red", "Green", "Blue"};
        for (int k = 0; k < 3; ++k) {
            label(captions[k], {10, top + 20 * k, 40, 18}, parent);
            out[k] = named(new FatScrollBar(Qt::Horizontal, 0, 255, 0, 5, parent), names[k], {},
                           {52, top + 20 * k, 154, 16});
        }
    };
    auto* button = frame("Button Color", {6, 4, 216, 120}, page);
    shape2_ = new Swatch("Shape2", {10, 22, 40, 26}, button);
    auto* pick1 =
        new BevelButton("ktBevelButton1", "       pick color..",
                        "pick a color for the buttons surface", {60, 22, 146, 26}, button);
    const char* buttonNames[3] = {"FatScrollBar5", "FatScrollBar6", "FatScrollBar7"};
    bars(button, buttonBars_, buttonNames, 56);
    auto* text = frame("Text Color", {6, 128, 216, 120}, page);
    label6_ = label("text", {10, 22, 40, 26}, text, "Label6");
    label6_->setAlignment(Qt::AlignCenter);
    label6_->setFrameShape(QFrame::Box);
    auto* pick3 = new BevelButton("ktBevelButton3", "       pick color..",
                                  "pick a color for the buttons text", {60, 22, 146, 26}, text);
    const char* textNames[3] = {"FatScrollBar13", "FatScrollBar12", "FatScrollBar11"};
    bars(text, textBars_, textNames, 56);
    auto* back = frame("Button Background", {6, 252, 216, 62}, page);
    shape8_ = new Swatch("Shape8", {10, 24, 40, 26}, back);
    auto* pick11 = new BevelButton("ktBevelButton11", "       pick color..",
                                   "pick a background color", {60, 24, 146, 26}, back);
    auto* menu = frame("Bevelmint Menu Color", {6, 318, 216, 62}, page);
    shape20_ = new Swatch("Shape20", {10, 24, 40, 26}, menu);
    auto* pick15 = new BevelButton("ktBevelButton15", "       pick color..",
                                   "adjust the Bevelmint menu color", {60, 24, 146, 26}, menu);
    for (BevelButton* b : {pick1, pick3, pick11, pick15})
        b->setIcon(QIcon(asset("glyph-pick.svg", {16, 16})));
    for (int k = 0; k < 3; ++k) {
        buttonBars_[k]->setValue(k == 0 ? 220 : k == 1 ? 190 : 110);
        connect(buttonBars_[k], &QScrollBar::valueChanged, this,
                [this, k](int v) { buttonChannelChanged(kChannels[k], v); });
        connect(textBars_[k], &QScrollBar::valueChanged, this,
                [this, k](int v) { textChannelChanged(kChannels[k], v); });
    }
    connect(pick1, &QPushButton::clicked, this, &TForm1::pickButtonColour);
    connect(pick3, &QPushButton::clicked, this, &TForm1::pickTextColour);
    connect(pick11, &QPushButton::clicked, this, &TForm1::pickBackgroundColour);
    connect(pick15, &QPushButton::clicked, this, &TForm1::pickMenuColour);
}

void TForm1::buildLightPage(QWidget* page) {
    auto* pos = frame("Light Position", {6, 4, 216, 150}, page);
    pos->setToolTip("Click on the dotted crosses to change the light position");
    image2_ = label({}, {36, 40, 145, 65}, pos, "Image2");
    const char* names[8] = {"AMRadioButton11", "AMRadioButton4", "AMRadioButton5",
                            "AMRadioButton6",  "AMRadioButton7", "AMRadioButton8",
                            "AMRadioButton9",  "AMRadioButton10"};
    const QPoint places[8] = {{20, 22},  {100, 22}, {182, 22},  {14, 64},
                              {186, 64}, {20, 108}, {100, 108}, {182, 108}};
    const QString style =
        "QRadioButton::indicator { width: 16px; height: 16px; image: "
        "url(:/assets/glyph-cross.svg); }"
        "QRadioButton::indicator:checked { image: url(:/assets/glyph-cross-checked.svg); }";
    for (int i = 0; i < 8; ++i) {
        auto* b =
            named(new QRadioButton(pos), names[i], {}, {places[i].x(), places[i].y(), 20, 20});
        b->setStyleSheet(style);
        lightButtons_[i] = b;
        connect(b, &QRadioButton::clicked, this, [this, i] { lightChosen(i + 1); });
    }
    lightButtons_[0]->setChecked(true);
    lightenFront_ =
        named(new QCheckBox("Lighten the Front too", pos), "AMCheckBox1",
              "this option determines if the surface is lightned too", {10, 128, 200, 20});
    lightenFront_->setChecked(true);
    connect(lightenFront_, &QCheckBox::clicked, this, [this](bool on) {
        s_.lightenFront = on;
        updateallnumbers();
        renderIfLive();
    });
    auto bar = [&](const char* caption, const char* name, const char* hint, const char* outName,
                   int min, int max, int value, int top, QLabel** out) {
        auto* f = frame(caption, {6, top, 216, 56}, page);
        auto* b = named(new FatScrollBar(Qt::Horizontal, min, max, value, 5, f), name, hint,
                        {10, 24, 150, 18});
        *out = label(QString::number(value), {166, 24, 44, 18}, f, outName);
        return b;
    };
    radius_ = bar("Light Radius", "FatScrollBar14", "Adjust the light radius", "Label35", 1, 200,
                  100, 160, &radiusOut_);
    intensity_ = bar("Light Intensity", "FatScrollBar15", "Adjust the light intensity", "Label5", 1,
                     99, 40, 220, &intensityOut_);
    fade_ = bar("Border- Fade-Out", "FatScrollBar16", "Adjust the border fade out strength",
                "Label39", 1, 99, 50, 280, &fadeOut_);
    bindRefreshed(radius_, &state::ButtonState::lightRadius);
    bindRefreshed(intensity_, &state::ButtonState::lightIntensity);
    connect(fade_, &QScrollBar::valueChanged, this, [this](int v) {
        s_.borderFade = v;
        renderIfLive();
        updateallnumbers();
    });
}

void TForm1::buildTextPage(QWidget* page) {
    useText_ = named(new QCheckBox("Use Text", page), "AMCheckBox2",
                     "Enables you to write a text on the button", {10, 8, 200, 20});
    useText_->setChecked(true);
    connect(useText_, &QCheckBox::clicked, this, &TForm1::useTextClicked);
    edit5_ = named(new QLineEdit("text", page), "Edit5", "Dont forget to press the apply button",
                   {10, 34, 206, 24});
    apply_ =
        new BevelButton("ktBevelButton4", "       Apply",
                        "Change the buttons text to the string above", {10, 62, 100, 26}, page);
    apply_->setIcon(QIcon(asset("glyph-apply.svg", {16, 16})));
    fontButton_ = new BevelButton("ktBevelButton5", "Choose Font..",
                                  "Choose a font for the inscription", {116, 62, 100, 26}, page);
    fontButton_->setIcon(QIcon(asset("glyph-font.svg", {16, 16})));
    label("Size:", {10, 100, 40, 18}, page);
    fontSize_ = named(new FatScrollBar(Qt::Horizontal, 0, 100, 12, 5, page), "FatScrollBar17",
                      "Change the inscriptions font size", {50, 100, 130, 18});
    fontSizeOut_ = label("12", {186, 100, 30, 18}, page, "Label22");
    text3D_ = named(new QCheckBox("3D Text", page), "AMCheckBox3", "Simulate engraved text",
                    {10, 128, 200, 20});
    label("Horizontal position:", {10, 160, 200, 18}, page);
    offsetX_ = named(new QSlider(Qt::Horizontal, page), "TrackBar1",
                     "Change the horizontal position of the text", {10, 180, 170, 24});
    offsetXOut_ = label("5", {186, 182, 30, 18}, page, "Label33");
    label("Vertical position:", {10, 214, 200, 18}, page);
    offsetY_ = named(new QSlider(Qt::Horizontal, page), "TrackBar2",
                     "Change the vertical position of the text", {10, 234, 170, 24});
    offsetYOut_ = label("0", {186, 236, 30, 18}, page, "Label40");
    offsetX_->setRange(-33, 33);
    offsetX_->setValue(5);
    offsetY_->setRange(-13, 13);
    connect(apply_, &QPushButton::clicked, this, &TForm1::applyText);
    connect(fontButton_, &QPushButton::clicked, this, &TForm1::chooseFont);
    connect(fontSize_, &QScrollBar::valueChanged, this, &TForm1::fontSizeChanged);
    connect(text3D_, &QCheckBox::clicked, this, &TForm1::text3DClicked);
    bindRefreshed(offsetX_, &state::ButtonState::textOffsetX);
    bindRefreshed(offsetY_, &state::ButtonState::textOffsetY);
}

void TForm1::buildTexturePage(QWidget* page) {
    useTexture_ = named(new QCheckBox("Use Texture Image", page), "AMCheckBox4",
                        "Enable texture mapping", {10, 8, 200, 20});
    connect(useTexture_, &QCheckBox::clicked, this, &TForm1::useTextureClicked);
    chooseTexture_ = new BevelButton("ktBevelButton6", "Choose other Image",
                                     "Load another picture as texture", {10, 32, 206, 26}, page);
    chooseTexture_->setIcon(QIcon(asset("glyph-load.svg", {16, 16})));
    chooseTexture_->setEnabled(false);
    connect(chooseTexture_, &QPushButton::clicked, this, &TForm1::chooseTexture);
    image3_ = label({}, {14, 64, 199, 144}, page, "Image3");
    image3_->setFrameShape(QFrame::Box);
    image3_->setAlignment(Qt::AlignCenter);
    label("Name:", {10, 214, 50, 18}, page);
    textureName_ = label({}, {64, 214, 150, 18}, page, "Label29");
    label("Width:", {10, 234, 50, 18}, page);
    textureWidth_ = label({}, {64, 234, 60, 18}, page, "Label30");
    label("Height:", {10, 254, 50, 18}, page);
    textureHeight_ = label({}, {64, 254, 60, 18}, page, "Label31");
    label("Brightness:", {10, 280, 80, 18}, page);
    brightness_ = named(new FatScrollBar(Qt::Horizontal, 0, 100, 50, 5, page), "FatScrollBar18",
                        "Change the textures brightness", {90, 280, 126, 18});
    brightness_->setEnabled(false);
    connect(brightness_, &QScrollBar::valueChanged, this, &TForm1::brightnessChanged);
    progress2_ = new QProgressBar(page);
    progress2_->setObjectName("ProgressBar2");
    progress2_->setGeometry(10, 304, 206, 14);
    progress2_->setRange(0, 100);
    progress2_->hide();
    stretch_ = named(new QCheckBox("S t r e t c h Preview", page), "AMCheckBox5",
                     "Show the whole texture pic in the preview win", {10, 326, 200, 20});
    stretch_->setEnabled(false);
    connect(stretch_, &QCheckBox::clicked, this, [this](bool on) {
        s_.stretchPreview = on;
        showTexturePreview();
    });
}

void TForm1::buildExportPage(QWidget* page) {
    auto* format = frame("image::Picture Format", {6, 4, 216, 100}, page);
    const char* names[3] = {"AMRadioButton12", "AMRadioButton13", "AMRadioButton14"};
    const char* captions[3] = {"GIF - Graphics Interchange", "JPG - JPeG Encoded Picture",
                               "BMP - Windows Bitmap"};
    const state::ExportFormat formats[3] = {state::ExportFormat::gif, state::ExportFormat::jpg,
                                            state::ExportFormat::bmp};
    for (int i = 0; i < 3; ++i) {
        formatButtons_[i] =
            named(new QRadioButton(captions[i], format), names[i], {}, {10, 20 + 26 * i, 200, 20});
        const state::ExportFormat f = formats[i];
        connect(formatButtons_[i], &QRadioButton::clicked, this, [this, f] { formatChosen(f); });
    }
    formatButtons_[0]->setChecked(true);
    label("(transparent)", {130, 34, 84, 14}, format)
        ->setStyleSheet("color: gray; font-size: 9px;");
    label("(uncompressed)", {130, 86, 84, 14}, format)
        ->setStyleSheet("color: gray; font-size: 9px;");
    label("Button Filename", {10, 110, 200, 18}, page);
    edit13_ = named(new QLineEdit(page), "Edit13", "Use the button above to alter the file name",
                    {10, 128, 140, 22});
    auto* button7 = named(new QPushButton("choose...", page), "Button7", {}, {154, 128, 62, 22});
    exportPressed_ =
        named(new QCheckBox("Export Pressed Button Too", page), "AMCheckBox6",
              "Export too button pics for simple and pressed state", {10, 156, 206, 20});
    label("Pressed Button Filename", {10, 178, 200, 18}, page);
    edit14_ = named(new QLineEdit(page), "Edit14", {}, {10, 196, 140, 22});
    button8_ = named(new QPushButton("choose...", page), "Button8", {}, {154, 196, 62, 22});
    for (QLineEdit* e : {edit13_, edit14_}) {
        e->setReadOnly(true);
        e->installEventFilter(this);
    }
    edit14_->setEnabled(false);
    button8_->setEnabled(false);
    connect(button7, &QPushButton::clicked, this, [this] { choosePicturePath(false); });
    connect(button8_, &QPushButton::clicked, this, [this] { choosePicturePath(true); });
    connect(exportPressed_, &QCheckBox::clicked, this, &TForm1::exportPressedClicked);

    jpegGroup_ = frame("Compression Level", {6, 226, 216, 110}, page);
    label("0%", {10, 20, 30, 16}, jpegGroup_);
    label("100%", {172, 20, 40, 16}, jpegGroup_);
    jpegCompression_ = named(new QSlider(Qt::Horizontal, jpegGroup_), "TrackBar3",
                             "Change the JPG compression level", {10, 38, 150, 22});
    jpegCompression_->setRange(0, 100);
    edit12_ = named(new QLineEdit("000", jpegGroup_), "Edit12", {}, {166, 38, 44, 22});
    edit12_->setReadOnly(true);
    progressive_ = named(new QCheckBox("Use Progressive Encoding", jpegGroup_), "AMCheckBox7",
                         "Use progressive JPG compression", {10, 70, 200, 20});
    connect(jpegCompression_, &QSlider::valueChanged, this, [this](int v) {
        s_.jpegCompression = v;
        updateallnumbers();
    });
    connect(progressive_, &QCheckBox::clicked, this, [this](bool on) { s_.jpegProgressive = on; });
    jpegGroup_->setEnabled(false);
    jpegGroup_->hide();
}

void TForm1::buildHtmlPage(QWidget* page) {
    memo_ = new QPlainTextEdit(page);
    memo_->setObjectName("Memo1");
    memo_->setGeometry(10, 10, 206, 220);
    memo_->setToolTip("HTML Edit Box");
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    const char* names[4] = {"SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton6"};
    const char* captions[4] = {"Create HTML Tag", "Copy to Clipboard", "Save to File         ",
                               "Open in Browser  "};
    const char* hints[4] = {
        "Create a HTML source code for your exported button", "Copy the HTML source to clipboard",
        "Save the HTML text to a HTML file", "Open the saved HTML file in standard browser"};
    for (int i = 0; i < 4; ++i) {
        auto* b =
            new BevelButton(names[i], captions[i], hints[i], {10, 240 + 32 * i, 206, 26}, page);
        b->setEnabled(i == 0);
        htmlButtons_[i] = b;
    }
    connect(htmlButtons_[0], &QPushButton::clicked, this, &TForm1::createHtmlTag);
    connect(htmlButtons_[1], &QPushButton::clicked, this, &TForm1::copyHtml);
    connect(htmlButtons_[2], &QPushButton::clicked, this, &TForm1::saveHtml);
    connect(htmlButtons_[3], &QPushButton::clicked, this, &TForm1::openHtml);
}

void TForm1::buildAboutPage(QWidget* page) {
    auto* art = label({}, {14, 20, 200, 150}, page, "Image16");
    art->setPixmap(asset("about.svg", {200, 150}));
    label("Build 3.01", {14, 180, 200, 20}, page)->setAlignment(Qt::AlignCenter);
    auto* about =
        label("Designs three-dimensional push-buttons for web pages.", {14, 210, 200, 40}, page);
    about->setAlignment(Qt::AlignCenter);
    about->setWordWrap(true);
    auto* spot = new PointerLabel("Image15", page);
    spot->setGeometry(0, 0, 5, 5);
    connect(spot, &PointerLabel::released, this, [this](Qt::MouseButton) {
        s_.lastFile.clear();
        desktop_.inform("secret feature", "RESET !");
    });
}

void TForm1::buildTestMode() {
    image5_ = new PointerLabel("Image5", this);
    image5_->hide();
    label17_ = label("Button Preview", {272, 48, 200, 20}, this, "Label17");
    label17_->hide();
    onHover_ =
        named(new QRadioButton("act on MouseOver", this), "AMRadioButton15", {}, {0, 40, 150, 14});
    onClick_ =
        named(new QRadioButton("act on MouseClick", this), "AMRadioButton16", {}, {0, 54, 150, 14});
    onHover_->setChecked(true);
    onHover_->lower();
    onClick_->lower();
    shape10_->lower();
    connect(onHover_, &QRadioButton::clicked, this, [this] { s_.testActOnHover = true; });
    connect(onClick_, &QRadioButton::clicked, this, [this] { s_.testActOnHover = false; });
    closeTest_ = new BevelButton("ktBevelButton13", {}, {}, {598, 45, 18, 18}, this);
    closeTest_->setIcon(QIcon(asset("glyph-close.svg", {12, 12})));
    connect(closeTest_, &QPushButton::clicked, this, &TForm1::resetfromshowmode);
    auto showPressed = [this](bool pressed) {
        const image::Picture& p = pressed ? pipeline_.pressed() : pipeline_.normal();
        image5_->setPixmap(toPixmap(p, s_.buttonWidth, s_.buttonHeight));
    };
    connect(image5_, &PointerLabel::pressed, this, [this, showPressed](Qt::MouseButton) {
        if (!s_.testActOnHover) showPressed(true);
    });
    connect(image5_, &PointerLabel::released, this, [this, showPressed](Qt::MouseButton) {
        if (!s_.testActOnHover) showPressed(false);
    });
    connect(image5_, &PointerLabel::moved, this, [this, showPressed] {
        if (s_.testActOnHover && !s_.testHovering) {
            showPressed(true);
            s_.testHovering = true;
        }
    });
}

void TForm1::buildPopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName("PopupMenu1");
    auto add = [this](QMenu* menu, const char* name, const QString& text, auto handler,
                      bool checkable = false) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        a->setCheckable(checkable);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    // A menu entry that toggles a box, runs the box's own handler and syncs the checks.
    auto toggle = [this](QCheckBox* box, void (TForm1::*handler)()) {
        return [this, box, handler] {
            box->setChecked(!box->isChecked());
            (this->*handler)();
            updatemenu();
        };
    };
    QMenu* file = popup_->addMenu("File");
    add(file, "Load1", "Load...", [this] { loadDesign(); });
    add(file, "LoadLast1", "Load Last", [this] { loadLastDesign(); });
    add(file, "Save1", "Save...", [this] { saveDesign(); });
    add(file, "ExportPic1", "Export Pic", [this] { exportPictures(); });
    QMenu* props = popup_->addMenu("Properties");
    QMenu* shape = props->addMenu("Shape");
    const char* shapeNames[3] = {"Rectangle1", "EllipseCircle1", "RoundRect1"};
    const char* shapeTexts[3] = {"Rectangle", "Ellipse/Circle", "RoundRect"};
    for (int i = 0; i < 3; ++i) {
        add(
            shape, shapeNames[i], shapeTexts[i],
            [this, i] {
                shapeButtons_[i]->setChecked(true);
                shapeChosen(static_cast<ShapeKind>(i));
                updatemenu();
            },
            true);
    }
    add(
        shape, "SmoothEdges1", "Smooth Edges",
        [this] {
            if (s_.shapeKind != ShapeKind::rect) {
                s_.smoothEdges = !s_.smoothEdges;
                smoothEdges_->setChecked(s_.smoothEdges);
                renderIfLive();
            }
            updatemenu();
        },
        true);
    QMenu* colours = props->addMenu("Colors");
    add(colours, "PickButtonColor1", "Pick Button Color...", [this] {
        pickButtonColour();
        updatemenu();
    });
    add(colours, "PickTextColor1", "Pick Text Color...", [this] {
        pickTextColour();
        updatemenu();
    });
    add(colours, "PickBackgroundColor1", "Pick Background Color...",
        [this] { pickBackgroundColour(); });
    add(colours, "PickBevelmintMenuColor1", "Pick Bevelmint Menu Color...",
        [this] { pickMenuColour(); });
    QMenu* light = props->addMenu("Light");
    add(light, "ChangeLightPosition1", "Change Light Position", [this] { rotateLight(); });
    add(
        light, "LightentheFront1", "Lighten the Front",
        [this] {
            s_.lightenFront = !s_.lightenFront;
            lightenFront_->setChecked(s_.lightenFront);
            updateallnumbers();
            renderIfLive();
            updatemenu();
        },
        true);
    QMenu* text = props->addMenu("Text");
    add(text, "UseText1", "Use Text", toggle(useText_, &TForm1::useTextClicked), true);
    add(text, "N3DText1", "3D Text", toggle(text3D_, &TForm1::text3DClicked), true);
    QMenu* texture = props->addMenu("Texture");
    add(texture, "UseTexture1", "Use Texture ", toggle(useTexture_, &TForm1::useTextureClicked),
        true);
    add(texture, "ChooseTexture1", "Choose Texture...", [this] {
        if (useTexture_->isChecked()) chooseTexture();
        updatemenu();
    });
    QMenu* exports = props->addMenu("Export");
    const char* formatNames[3] = {"GIF1", "JPG1", "BMP1"};
    const char* formatTexts[3] = {"GIF", "JPG", "BMP"};
    for (int i = 0; i < 3; ++i) {
        add(
            exports, formatNames[i], formatTexts[i],
            [this, i] {
                formatButtons_[i]->setChecked(true);
                formatChosen(static_cast<state::ExportFormat>(i));
                updatemenu();
            },
            true);
    }
    add(exports, "ExportPressedButtontoo1", "Export Pressed Button too",
        toggle(exportPressed_, &TForm1::exportPressedClicked), true);
    add(popup_, "SwitchMode1", "Switch Mode", [this] { switchMode(); });
    add(popup_, "TestButton1", "Test Button", [this] { enterTestMode(); });
    add(popup_, "About1", "About", [this] { pages_->setCurrentIndex(7); });
    add(popup_, "Help1", "Help", [this] { openHelp(); });
    add(popup_, "Exit1", "Exit", [this] { close(); });
}

// ---------------------------------------------------------------- start-up and shut-down

void TForm1::formCreate(const QStringList& arguments) {
    s_.testActOnHover = true;
    int rgb[3] = {0, 0, 0};
    const QString colourNames[3] = {kMenuRedValue, kMenuGreenValue, kMenuBlueValue};
    bool colourOk = true;
    for (int k = 0; k < 3 && colourOk; ++k) {
        if (auto e = settings_.readInteger(colourNames[k], rgb[k])) {
            desktop_.error(e->message);
            colourOk = false;
        }
    }
    if (colourOk) {
        // The channels are added, not masked.
        s_.menuColour = static_cast<uint32_t>(rgb[0] + rgb[1] * 256 + rgb[2] * 65536);
        setmenucolor(toQColor(s_.menuColour));
    } else {
        setmenucolor(QColor(58, 110, 165));
    }
    QString appPath, lastFile;
    settings_.readString(kAppPath, appPath);
    s_.appPath = appPath.toStdString();
    settings_.readString(kLastFile, lastFile);
    s_.lastFile = lastFile == "none" ? std::string() : lastFile.toStdString();
    s_.busyFrame = 1;
    s_.liveUpdate = true;
    const image::Rgb back{s_.backRed, s_.backGreen, s_.backBlue};
    for (Swatch* sw : {shape3_, shape7_, shape8_})
        sw->setColour(toQColor(back));
    shape2_->setColour(QColor(s_.buttonRed, s_.buttonGreen, s_.buttonBlue));
    roundness_->setEnabled(false);
    roundness_->hide();
    roundnessLabel_->hide();
    smoothEdges_->hide();
    showLightDiagram();
    updateallnumbers();
    // A design named first is opened; further arguments are ignored. One that
    // cannot be read leaves the defaults, which are rendered all the same.
    if (arguments.isEmpty() || !openbutton(arguments.front())) paintbutton();
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (pages_->currentIndex() == 2) pages_->setCurrentIndex(0);
    // A refused write is shown; the window closes all the same.
    if (auto error = settings_.writeString(kLastFile, QString::fromStdString(s_.lastFile))) {
        desktop_.error(error->message);
    }
    e->accept();
}

void TForm1::openHelp() {
    QString folder = QString::fromStdString(s_.appPath);
    if (!QFileInfo::exists(folder + "/Help.html")) {
        for (const QString& candidate :
             {QString(BEVELMINT_INSTALLED_ASSETS), QString(BEVELMINT_SOURCE_ASSETS)}) {
            if (QFileInfo::exists(candidate + "/Help.html")) {
                folder = candidate;
                break;
            }
        }
    }
    desktop_.openFile(folder + "/Help.html", false);
}

// ---------------------------------------------------------------- render and read-outs

void TForm1::renderIfLive() {
    if (s_.liveUpdate) paintbutton();
}

void TForm1::paintbutton() {
    ++renders_;
    updatemenu();
    shape2_->setColour(QColor(s_.buttonRed, s_.buttonGreen, s_.buttonBlue));
    label6_->setStyleSheet(
        QString("color: %1;").arg(QColor(s_.textRed, s_.textGreen, s_.textBlue).name()));
    pipeline_.paintbutton(s_, render::activeTexture(s_, texture_));
    busyIcon_->setPixmap(asset("busy-1.svg", {30, 30}));
    busyIcon_->repaint();
    const int w = s_.buttonWidth, h = s_.buttonHeight;
    image6_->setGeometry(455 - w / 2, 140 - h / 2, w, h);
    image42_->setGeometry(455 - w / 2, 339 - h / 2, w, h);
    image6_->setPixmap(toPixmap(pipeline_.normal(), w, h));
    image42_->setPixmap(toPixmap(pipeline_.pressed(), w, h));
}

void TForm1::Moveicon() {
    busyIcon_->setPixmap(asset(QString("busy-%1.svg").arg(s_.busyFrame), {30, 30}));
    s_.busyFrame = s_.busyFrame == 8 ? 1 : s_.busyFrame + 1;
    busyIcon_->repaint();
}

void TForm1::updateallnumbers() {
    modeButton_->setText(s_.fastEdit ? "Real Edit Mode" : "Fast Edit Mode");
    Suppressed quiet(s_);
    // A position outside a new range is clamped by the slider, whose change
    // handler then stores the clamped offset.
    const state::Range rx = state::textOffsetXRange(s_.buttonWidth);
    const state::Range ry = state::textOffsetYRange(s_.buttonHeight);
    offsetX_->setRange(rx.min, rx.max);
    offsetY_->setRange(ry.min, ry.max);
    depth_->setLimit(s_.depthLimit);
    edit12_->setText(QString::number(s_.jpegCompression));
    widthOut_->setText(QString::number(s_.buttonWidth));
    heightOut_->setText(QString::number(s_.buttonHeight));
    depthOut_->setText(QString::number(s_.buttonDepth));
    fadeOut_->setText(QString::number(s_.borderFade) + " %");
    intensityOut_->setText(QString::number(s_.lightIntensity) + " %");
    radiusOut_->setText(QString::number(s_.lightRadius));
    fontSizeOut_->setText(QString::number(s_.textFont.size));
    offsetXOut_->setText(QString::number(s_.textOffsetX));
    offsetYOut_->setText(QString::number(s_.textOffsetY));
    state::updateDerived(s_);
    label6_->setStyleSheet(
        QString("color: %1;").arg(QColor(s_.textRed, s_.textGreen, s_.textBlue).name()));
    updatemenu();
}

void TForm1::updatemenu() {
    auto set = [this](const char* name, bool checked, bool enabled = true) {
        QAction* a = menuAction(name);
        a->setChecked(checked);
        a->setEnabled(enabled);
    };
    set("GIF1", s_.exportFormat == state::ExportFormat::gif);
    set("JPG1", s_.exportFormat == state::ExportFormat::jpg);
    set("BMP1", s_.exportFormat == state::ExportFormat::bmp);
    set("ExportPressedButtontoo1", s_.exportPressed);
    set("UseTexture1", s_.useTexture);
    menuAction("ChooseTexture1")->setEnabled(chooseTexture_->isEnabled());
    set("UseText1", s_.useText);
    set("N3DText1", text3D_->isChecked(), text3D_->isEnabled());
    set("LightentheFront1", s_.lightenFront);
    set("Rectangle1", s_.shapeKind == ShapeKind::rect);
    set("EllipseCircle1", s_.shapeKind == ShapeKind::elips);
    set("RoundRect1", s_.shapeKind == ShapeKind::rrect);
    set("SmoothEdges1", s_.smoothEdges, smoothEdges_->isEnabled());
}

void TForm1::setmenucolor(const QColor& c) {
    if (pages_) pages_->setTabColour(c);
    shape9_->setColour(c);
    if (shape20_) shape20_->setColour(c);
    const QColor caption = (c.red() + c.green() + c.blue()) / 3 >= 192 ? Qt::black : Qt::white;
    for (BevelButton* b : toolbar_)
        b->setCaptionColour(caption);
}

// ---------------------------------------------------------------- test mode

void TForm1::enterTestMode() {
    if (s_.fastEdit) switchMode();
    shape10_->setColour(shape3_->colour());
    for (QWidget* w : std::initializer_list<QWidget*>{pages_, image6_, image42_, shape17_, shape18_,
                                                      shape3_, shape7_})
        w->hide();
    label17_->show();
    const int w = s_.buttonWidth, h = s_.buttonHeight;
    image5_->setPixmap(toPixmap(pipeline_.normal(), w, h));
    image5_->setGeometry(315 - w / 2, 253 - h / 2, w, h);
    image5_->show();
    image5_->raise();
    onHover_->raise();
    onClick_->raise();
    s_.testHovering = false;
    testMode_ = true;
}

void TForm1::resetfromshowmode() {
    shape10_->setColour(Qt::white);
    for (QWidget* w : std::initializer_list<QWidget*>{pages_, image6_, image42_, shape3_, shape7_,
                                                      shape17_, shape18_})
        w->show();
    image6_->raise();
    image42_->raise();
    label17_->hide();
    image5_->hide();
    testMode_ = false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    if (watched == shape10_ && e->type() == QEvent::MouseMove) {
        if (s_.testActOnHover && s_.testHovering) {
            image5_->setPixmap(toPixmap(pipeline_.normal(), s_.buttonWidth, s_.buttonHeight));
            s_.testHovering = false;
        }
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(e);
        const bool menuPlace = watched == shape9_ || watched == shape3_ || watched == shape7_ ||
                               watched == image6_ || watched == image42_;
        if (menuPlace && me->button() == Qt::RightButton) {
            openPopupAt(me->globalPosition().toPoint());
            return true;
        }
    }
    if ((watched == edit13_ || watched == edit14_) && e->type() == QEvent::KeyPress) {
        desktop_.inform("you can't edit here",
                        "Use the [choose..] Button right next to this field!");
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void TForm1::openPopupAt(const QPoint& globalPos) {
    updatemenu();
    popup_->popup(globalPos);
}

// ---------------------------------------------------------------- shape page

void TForm1::shapeChosen(ShapeKind kind) {
    state::setShapeKind(s_, kind);
    syncShapeControls();
    renderIfLive();
}

void TForm1::syncShapeControls() {
    const bool rrect = s_.shapeKind == ShapeKind::rrect;
    roundness_->setEnabled(rrect);
    roundness_->setVisible(rrect);
    roundnessLabel_->setVisible(rrect);
    smoothEdges_->setVisible(s_.shapeKind != ShapeKind::rect);
}

void TForm1::widthChanged(int v) {
    sizeChanged(state::setButtonWidth(s_, v));
}
void TForm1::heightChanged(int v) {
    sizeChanged(state::setButtonHeight(s_, v));
}

// After a real size change the depth bar follows the limited depth quietly.
void TForm1::sizeChanged(bool changed) {
    if (!changed) return;
    {
        Suppressed quiet(s_);
        depth_->setPosition(s_.buttonDepth);
    }
    updateallnumbers();
    renderIfLive();
}

void TForm1::depthChanged(int v) {
    if (!state::setButtonDepth(s_, v)) return;
    updateallnumbers();
    renderIfLive();
}

// ---------------------------------------------------------------- colours

void TForm1::buttonChannelChanged(Channel c, int v) {
    const int k = static_cast<int>(c);
    buttonBars_[k]->setToolTip(QString::number(v));
    state::setButtonChannel(s_, c, static_cast<uint8_t>(v));
    if (s_.text3D) {
        Suppressed quiet(s_);
        textBars_[k]->setPosition(v);
    }
    renderIfLive();
}

void TForm1::textChannelChanged(Channel c, int v) {
    textBars_[static_cast<int>(c)]->setToolTip(QString::number(v));
    state::textChannel(s_, c) = static_cast<uint8_t>(v);
    if (!useText_->isChecked()) return;
    updateallnumbers();
    renderIfLive();
}

void TForm1::syncColourBars() {
    Suppressed quiet(s_);
    const int button[3] = {s_.buttonRed, s_.buttonGreen, s_.buttonBlue};
    const int text[3] = {s_.textRed, s_.textGreen, s_.textBlue};
    for (int k = 0; k < 3; ++k) {
        buttonBars_[k]->setPosition(button[k]);
        textBars_[k]->setPosition(text[k]);
    }
}

void TForm1::pickButtonColour() {
    const auto c = desktop_.chooseColour(QColor(s_.buttonRed, s_.buttonGreen, s_.buttonBlue));
    if (!c) return;
    const image::Rgb rgb = fromQColor(*c);
    state::setButtonColour(s_, rgb.r, rgb.g, rgb.b);
    syncColourBars();
    {
        Suppressed quiet(s_);
        updateallnumbers();
    }
    renderIfLive();
}

void TForm1::pickTextColour() {
    const auto c = desktop_.chooseColour(QColor(s_.textRed, s_.textGreen, s_.textBlue));
    if (!c) return;
    const image::Rgb rgb = fromQColor(*c);
    s_.textRed = rgb.r, s_.textGreen = rgb.g, s_.textBlue = rgb.b;
    s_.liveUpdate = false;
    syncColourBars();
    updateallnumbers();
    s_.liveUpdate = true;
    paintbutton();
}

void TForm1::pickBackgroundColour() {
    const auto c = desktop_.chooseColour(QColor(s_.backRed, s_.backGreen, s_.backBlue));
    if (!c) return;
    const image::Rgb rgb = fromQColor(*c);
    s_.backRed = rgb.r, s_.backGreen = rgb.g, s_.backBlue = rgb.b;
    paintbutton();
    for (Swatch* sw : {shape3_, shape7_, shape8_})
        sw->setColour(*c);
}

void TForm1::pickMenuColour() {
    const auto c = desktop_.chooseColour(shape20_->colour());
    if (!c) return;
    s_.menuColour = image::makecolor(fromQColor(*c));
    setmenucolor(*c);
    const int rgb[3] = {c->red(), c->green(), c->blue()};
    const QString names[3] = {kMenuRedValue, kMenuGreenValue, kMenuBlueValue};
    for (int k = 0; k < 3; ++k) {
        if (auto e = settings_.writeInteger(names[k], rgb[k])) {
            desktop_.error(e->message);
            return;
        }
    }
}

// ---------------------------------------------------------------- light

void TForm1::showLightDiagram() {
    image2_->setPixmap(asset(QString("light-%1.svg").arg(s_.lightPosition), {145, 65}));
}

void TForm1::lightChosen(int position) {
    state::setLightPosition(s_, position);
    showLightDiagram();
    updateallnumbers();
    renderIfLive();
}

void TForm1::rotateLight() {
    int at = 0;
    while (kClockwise[at] != s_.lightPosition)
        ++at;
    const int next = kClockwise[(at + 1) % 8];
    lightButton(next)->setChecked(true);
    state::setLightPosition(s_, next);
    showLightDiagram();
    updateallnumbers();
    renderIfLive();
    updatemenu();
}

void TForm1::switchMode() {
    resetfromshowmode();
    s_.fastEdit = !s_.fastEdit;
    updateallnumbers();
    renderIfLive();
}

// ---------------------------------------------------------------- text page

void TForm1::setTextControlsEnabled(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{text3D_, textBars_[0], textBars_[1],
                                                      textBars_[2], offsetX_, offsetY_, fontSize_,
                                                      edit5_, fontButton_, apply_})
        w->setEnabled(on);
}

void TForm1::useTextClicked() {
    s_.useText = useText_->isChecked();
    setTextControlsEnabled(s_.useText);
    renderIfLive();
}

void TForm1::applyText() {
    s_.buttonText = edit5_->text().toStdString();
    updateallnumbers();
    renderIfLive();
}

void TForm1::chooseFont() {
    const auto font = desktop_.chooseFont(s_.textFont);
    if (!font) return;
    state::setFont(s_, *font);
    bool wasLive;
    {
        Suppressed quiet(s_);
        wasLive = quiet.wasLive;
        fontSize_->setPosition(font->size);
    }
    s_.textFont.size = font->size;  // a size beyond the bar stays in the font
    if (wasLive) paintbutton();
}

void TForm1::fontSizeChanged(int v) {
    state::setFontSize(s_, v);
    updateallnumbers();
    renderIfLive();
}

void TForm1::text3DClicked() {
    state::setText3D(s_, text3D_->isChecked());
    bool wasLive;
    {
        Suppressed quiet(s_);
        wasLive = quiet.wasLive;
        syncColourBars();
    }
    if (wasLive) paintbutton();
}

// ---------------------------------------------------------------- texture page

void TForm1::useTextureClicked() {
    if (useTexture_->isChecked()) {
        const auto path = desktop_.openFileName("Windows Bitmap|*.bmp", "bmp");
        if (!path) {
            useTexture_->setChecked(false);
            return;
        }
        loadTexture(*path);
        return;
    }
    render::deletebgimage(s_, texture_);
    chooseTexture_->setEnabled(false);
    stretch_->setEnabled(false);
    {
        Suppressed quiet(s_);
        width_->setLimit(s_.widthMax);
        height_->setLimit(s_.heightMax);
        brightness_->setPosition(50);
    }
    brightness_->setEnabled(false);
    textureName_->clear();
    textureWidth_->clear();
    textureHeight_->clear();
    showTexturePreview();
    renderIfLive();
}

void TForm1::chooseTexture() {
    const auto path = desktop_.openFileName("Windows Bitmap|*.bmp", "bmp");
    if (path) loadTexture(*path);
}

void TForm1::loadTexture(const QString& path) {
    image::Picture loaded;
    std::string bytes;
    if (auto error = image::readBmp(path.toStdString(), loaded, &bytes)) {
        desktop_.error(QString::fromStdString(error->message));
        useTexture_->setChecked(s_.textureActive);
        return;
    }
    render::openbgimage(s_, texture_, loaded, path.toStdString(), std::move(bytes));
    useTexture_->setChecked(true);
    chooseTexture_->setEnabled(true);
    stretch_->setEnabled(true);
    brightness_->setEnabled(true);
    textureName_->setText(QFileInfo(path).fileName());
    textureWidth_->setText(QString::number(loaded.width()));
    textureHeight_->setText(QString::number(loaded.height()));
    {
        Suppressed quiet(s_);
        width_->setLimit(s_.widthMax);
        height_->setLimit(s_.heightMax);
        width_->setPosition(s_.buttonWidth);
        height_->setPosition(s_.buttonHeight);
        depth_->setPosition(s_.buttonDepth);
        brightness_->setPosition(50);
        syncColourBars();
        updateallnumbers();
    }
    showTexturePreview();
    s_.liveUpdate = true;
    paintbutton();
}

void TForm1::brightnessChanged(int v) {
    // A bar brought in step with the state changes nothing.
    if (v == s_.textureBrightness) return;
    if (s_.textureActive) {
        progress2_->setValue(0);
        progress2_->show();
        render::setTextureBrightness(s_, texture_, v, [this](int p) {
            progress2_->setValue(p);
            progress2_->repaint();
        });
        progress2_->hide();
        {
            Suppressed quiet(s_);
            syncColourBars();
            updateallnumbers();
        }
        showTexturePreview();
    } else {
        s_.textureBrightness = v;
    }
    paintbutton();
}

void TForm1::showTexturePreview() {
    const image::Picture& t = texture_.working;
    if (!s_.textureActive || t.width() == 0) {
        image3_->clear();
        return;
    }
    const QPixmap full = toPixmap(t, t.width(), t.height());
    image3_->setPixmap(s_.stretchPreview ? full.scaled(image3_->size(), Qt::IgnoreAspectRatio)
                                         : full);
}

// ---------------------------------------------------------------- export page

void TForm1::formatChosen(state::ExportFormat f) {
    s_.exportFormat = f;
    const bool jpeg = f == state::ExportFormat::jpg;
    jpegGroup_->setEnabled(jpeg);
    jpegGroup_->setVisible(jpeg);
    edit13_->clear();
    edit14_->clear();
    exportPressed_->setChecked(false);
    s_.exportPressed = false;
}

void TForm1::exportPressedClicked() {
    s_.exportPressed = exportPressed_->isChecked();
    edit14_->setEnabled(s_.exportPressed);
    button8_->setEnabled(s_.exportPressed);
}

void TForm1::choosePicturePath(bool pressed) {
    static const char* filters[3] = {"Graphics Interchange|*.gif",
                                     "JPEG Encoded image::Picture|*.jpg", "Windows Bitmap|*.bmp"};
    static const char* exts[3] = {"gif", "jpg", "bmp"};
    const int k = static_cast<int>(s_.exportFormat);
    const auto path = desktop_.saveFileName(filters[k], exts[k]);
    if (!path) return;
    (pressed ? edit14_ : edit13_)->setText(*path);
    (pressed ? s_.exportPressedFileName : s_.exportFileName) =
        QFileInfo(*path).fileName().toStdString();
}

// ---------------------------------------------------------------- design files

namespace {

const char* kDesignFilter = "Bevelmint|*.bvm";

}  // namespace

void TForm1::saveDesign() {
    resetfromshowmode();
    const auto path = desktop_.saveFileName(kDesignFilter, "bvm");
    if (!path) return;
    if (auto error = files::savebutton(path->toStdString(), s_, texture_)) {
        desktop_.error(QString::fromStdString(error->message));
    }
}

void TForm1::loadDesign() {
    resetfromshowmode();
    const auto path = desktop_.openFileName(kDesignFilter, "bvm");
    if (path) openbutton(*path);
}

void TForm1::loadLastDesign() {
    resetfromshowmode();
    if (s_.lastFile.empty()) {
        desktop_.inform(
            "No File saved",
            "Sorry, you can not load the last button when you didn't open or save a button ever!");
        return;
    }
    const QString last = QString::fromStdString(s_.lastFile);
    if (QFileInfo::exists(last)) openbutton(last);
}

// Loads through the shared reader, then brings every control in step with the
// loaded design, live update off until the end, and renders once.
bool TForm1::openbutton(const QString& path) {
    const files::LoadResult result = files::openbutton(path.toStdString(), s_, texture_);
    if (result.error) {
        desktop_.error(QString::fromStdString(result.error->message));
        return false;
    }
    for (const files::Notice& n : result.notices) {
        desktop_.inform(QString::fromStdString(n.caption), QString::fromStdString(n.text));
    }
    syncAllControls();
    s_.liveUpdate = true;
    paintbutton();
    return true;
}

void TForm1::syncAllControls() {
    const state::ButtonState loaded = s_;
    s_.liveUpdate = false;
    shapeButtons_[static_cast<int>(loaded.shapeKind)]->setChecked(true);
    syncShapeControls();
    roundness_->setPosition(loaded.roundness);
    smoothEdges_->setChecked(loaded.smoothEdges);
    // The bars' limits never cut the loaded size.
    width_->setLimit(std::max(loaded.widthMax, loaded.buttonWidth));
    height_->setLimit(std::max(loaded.heightMax, loaded.buttonHeight));
    width_->setPosition(loaded.buttonWidth);
    height_->setPosition(loaded.buttonHeight);
    depth_->setLimit(loaded.depthLimit);
    depth_->setPosition(loaded.buttonDepth);
    syncColourBars();
    lightButton(loaded.lightPosition)->setChecked(true);
    showLightDiagram();
    radius_->setPosition(loaded.lightRadius);
    intensity_->setPosition(loaded.lightIntensity);
    fade_->setPosition(loaded.borderFade);
    lightenFront_->setChecked(loaded.lightenFront);
    useText_->setChecked(loaded.useText);
    setTextControlsEnabled(loaded.useText);
    edit5_->setText(QString::fromStdString(loaded.buttonText));
    fontSize_->setPosition(loaded.textFont.size);
    text3D_->setChecked(loaded.text3D);
    offsetX_->setRange(state::textOffsetXRange(loaded.buttonWidth).min,
                       state::textOffsetXRange(loaded.buttonWidth).max);
    offsetY_->setRange(state::textOffsetYRange(loaded.buttonHeight).min,
                       state::textOffsetYRange(loaded.buttonHeight).max);
    offsetX_->setValue(loaded.textOffsetX);
    offsetY_->setValue(loaded.textOffsetY);
    useTexture_->setChecked(loaded.useTexture);
    for (QWidget* w : std::initializer_list<QWidget*>{chooseTexture_, stretch_, brightness_})
        w->setEnabled(loaded.textureActive);
    brightness_->setPosition(loaded.textureBrightness);
    stretch_->setChecked(loaded.stretchPreview);
    const image::Picture& t = texture_.original;
    textureName_->setText(loaded.textureActive
                              ? QFileInfo(QString::fromStdString(loaded.textureFileName)).fileName()
                              : QString());
    textureWidth_->setText(loaded.textureActive ? QString::number(t.width()) : QString());
    textureHeight_->setText(loaded.textureActive ? QString::number(t.height()) : QString());
    showTexturePreview();
    formatButtons_[static_cast<int>(loaded.exportFormat)]->setChecked(true);
    const bool jpeg = loaded.exportFormat == state::ExportFormat::jpg;
    jpegGroup_->setEnabled(jpeg);
    jpegGroup_->setVisible(jpeg);
    exportPressed_->setChecked(loaded.exportPressed);
    button8_->setEnabled(loaded.exportPressed);
    edit14_->setEnabled(loaded.exportPressed);
    jpegCompression_->setValue(loaded.jpegCompression);
    progressive_->setChecked(loaded.jpegProgressive);
    // The handlers the moves ran left the same values; keep the loaded record whole.
    s_ = loaded;
    s_.liveUpdate = false;
    updateallnumbers();
}

// ---------------------------------------------------------------- export and HTML

namespace {

const char* kMissingNames =
    "Please enter a filename for the button-picture first.\r\rIf you checked \"Export Pressed "
    "Button Too\" then "
    "make shure\rto enter a second filename too!";
const char* kMissingHtmlNames =
    "Please enter a filename for the button-picture at Export-Section first.\r\rIf you checked "
    "\"Export Pressed "
    "Button Too\" then make shure\rto enter a second filename too!";

}  // namespace

void TForm1::exportPictures() {
    resetfromshowmode();
    if (edit13_->text().isEmpty()) choosePicturePath(false);
    if (exportPressed_->isChecked() && edit14_->text().isEmpty()) choosePicturePath(true);
    if (edit13_->text().isEmpty() || (exportPressed_->isChecked() && edit14_->text().isEmpty())) {
        desktop_.inform("Missing File Name(s)", kMissingNames);
        return;
    }
    if (s_.fastEdit) switchMode();
    const auto error =
        exporter::exportPictures(s_, pipeline_.normal(), pipeline_.pressed(),
                                 edit13_->text().toStdString(), edit14_->text().toStdString());
    paintbutton();
    if (error) {
        desktop_.error(QString::fromStdString(error->message));
        return;
    }
    desktop_.inform("Complete", s_.exportPressed ? "Files Saved !" : "File Saved !");
}

void TForm1::createHtmlTag() {
    if (edit13_->text().isEmpty() || (exportPressed_->isChecked() && edit14_->text().isEmpty())) {
        desktop_.inform("Missing File Name(s)", kMissingHtmlNames);
        return;
    }
    if (s_.exportFormat == state::ExportFormat::bmp) {
        desktop_.inform("HTML doesn't support BMP",
                        "You have to choose GIF Export or JPG Export at Export-Section\rbecause "
                        "Browsers can't read "
                        "BMP Bitmaps !");
        return;
    }
    const std::string fragment = exporter::htmlFragment(s_.exportFileName, s_.exportPressedFileName,
                                                        s_.buttonText, exportPressed_->isChecked());
    memo_->setPlainText(QString::fromStdString(fragment).replace("\r\n", "\n"));
    htmlButtons_[1]->setEnabled(true);
    htmlButtons_[2]->setEnabled(true);
}

namespace {

// The edit box's text with the file format's line ends.
QString memoText(const QPlainTextEdit* memo) {
    return memo->toPlainText().replace("\n", "\r\n");
}

}  // namespace

void TForm1::copyHtml() {
    if (memo_->toPlainText().isEmpty()) {
        desktop_.inform("Missing Tag", "Please Create a HTML TAG first!");
        return;
    }
    memo_->selectAll();
    desktop_.copyText(memoText(memo_));
    QTextCursor cursor = memo_->textCursor();
    cursor.clearSelection();
    memo_->setTextCursor(cursor);
}

void TForm1::saveHtml() {
    if (memo_->toPlainText().isEmpty()) {
        desktop_.inform("Missing Tag", "Please Create a HTML TAG first!");
        return;
    }
    const auto path = desktop_.saveFileName("html|*.html|htm|*.htm", "html");
    if (!path) return;
    s_.htmlFileName = path->toStdString();
    if (auto error = exporter::writeHtmlPage(memoText(memo_).toStdString(), s_.htmlFileName)) {
        desktop_.error(QString::fromStdString(error->message));
        return;
    }
    htmlButtons_[3]->setEnabled(true);
}

void TForm1::openHtml() {
    if (!s_.htmlFileName.empty()) desktop_.openFile(QString::fromStdString(s_.htmlFileName), true);
}

}  // namespace bevelmint::app
