#include "app/pages/texture_page.h"

#include <QFileInfo>
#include <QIcon>
#include <QSignalBlocker>

#include "app/pictures.h"
#include "state/state_rules.h"

namespace bevelmint::app {

TexturePage::TexturePage(QWidget* parent) : QWidget(parent) {
    useTexture = named(new QCheckBox("Use Texture Image", this), "AMCheckBox4",
                       "Enable texture mapping", {10, 8, 200, 20});
    chooseButton = new BevelButton("ktBevelButton6", "Choose other Image",
                                   "Load another picture as texture", {10, 32, 206, 26}, this);
    chooseButton->setIcon(QIcon(asset("glyph-load.svg", {16, 16})));
    preview = label({}, {14, 64, 199, 144}, this, "Image3");
    preview->setFrameShape(QFrame::Box);
    preview->setAlignment(Qt::AlignCenter);
    label("Name:", {10, 214, 50, 18}, this);
    nameOut = label({}, {64, 214, 150, 18}, this, "Label29");
    label("Width:", {10, 234, 50, 18}, this);
    widthOut = label({}, {64, 234, 60, 18}, this, "Label30");
    label("Height:", {10, 254, 50, 18}, this);
    heightOut = label({}, {64, 254, 60, 18}, this, "Label31");
    label("Brightness:", {10, 280, 80, 18}, this);
    brightnessBar = named(new FatScrollBar(Qt::Horizontal, state::kBrightnessRange, 5, this),
                          "FatScrollBar18", "Change the textures brightness", {90, 280, 94, 18});
    brightnessOut = label({}, {188, 280, 30, 18}, this, "BrightnessValue");
    progressBar = new QProgressBar(this);
    progressBar->setObjectName("ProgressBar2");
    progressBar->setGeometry(10, 304, 206, 14);
    progressBar->setRange(0, 100);
    progressBar->hide();
    stretch = named(new QCheckBox("S t r e t c h Preview", this), "AMCheckBox5",
                    "Show the whole texture pic in the preview win", {10, 326, 200, 20});
    connect(useTexture, &QCheckBox::clicked, this, &TexturePage::useTextureToggled);
    connect(chooseButton, &QPushButton::clicked, this, &TexturePage::chooseRequested);
    connect(brightnessBar, &QScrollBar::valueChanged, this, &TexturePage::brightnessMoved);
    connect(stretch, &QCheckBox::clicked, this, &TexturePage::stretchToggled);
    follow(state::defaultState(), {});
}

void TexturePage::follow(const state::ButtonState& s, const render::TextureImages& texture) {
    const QSignalBlocker quiet(brightnessBar);
    useTexture->setChecked(s.useTexture);
    for (QWidget* w : std::initializer_list<QWidget*>{chooseButton, stretch, brightnessBar})
        w->setEnabled(s.textureActive);
    brightnessBar->setPosition(s.textureBrightness);
    brightnessOut->setNum(s.textureBrightness);
    stretch->setChecked(s.stretchPreview);
    const image::Picture& t = texture.original;
    const bool shown = s.textureActive;
    nameOut->setText(shown ? QFileInfo(QString::fromStdString(s.textureFileName)).fileName()
                           : QString());
    widthOut->setText(shown ? QString::number(t.width()) : QString());
    heightOut->setText(shown ? QString::number(t.height()) : QString());
    showPreview(s, texture);
}

void TexturePage::showPreview(const state::ButtonState& s, const render::TextureImages& texture) {
    const image::Picture& t = texture.working;
    const QString key = QString("%1 %2 %3 %4 %5")
                            .arg(s.textureActive)
                            .arg(s.textureBrightness)
                            .arg(s.stretchPreview)
                            .arg(QString::fromStdString(s.textureFileName))
                            .arg(t.width() * 100000 + t.height());
    if (key == previewKey && previewSource == &t) return;
    previewKey = key;
    previewSource = &t;
    if (!s.textureActive || t.width() == 0) {
        preview->clear();
        return;
    }
    const QPixmap full = toPixmap(t, t.width(), t.height());
    preview->setPixmap(s.stretchPreview ? full.scaled(preview->size(), Qt::IgnoreAspectRatio)
                                        : full);
}

void TexturePage::showProgress(int percent) {
    progressBar->setValue(percent);
    progressBar->show();
    progressBar->repaint();
}

}  // namespace bevelmint::app
