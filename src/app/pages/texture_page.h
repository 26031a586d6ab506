#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>

#include "app/widgets.h"
#include "render/texture.h"

namespace bevelmint::app {

// The Texture page: texture on and off, another picture, its preview and
// facts, and its brightness.
class TexturePage : public QWidget {
    Q_OBJECT
  public:
    explicit TexturePage(QWidget* parent = nullptr);
    void follow(const state::ButtonState& s, const render::TextureImages& texture);
    bool chooseEnabled() const { return chooseButton->isEnabled(); }
    // The brightness pass reports its progress here while it runs.
    void showProgress(int percent);
    void hideProgress() { progressBar->hide(); }

  signals:
    void useTextureToggled(bool on);
    void chooseRequested();
    void brightnessMoved(int v);
    void stretchToggled(bool on);

  private:
    void showPreview(const state::ButtonState& s, const render::TextureImages& texture);

    QCheckBox* useTexture;
    BevelButton* chooseButton;
    QLabel* preview;
    QLabel* nameOut;
    QLabel* widthOut;
    QLabel* heightOut;
    FatScrollBar* brightnessBar;
    QLabel* brightnessOut;
    QProgressBar* progressBar;
    QCheckBox* stretch;
    // What the preview shows, so that it is redrawn only when that changes.
    const image::Picture* previewSource = nullptr;
    QString previewKey;
};

}  // namespace bevelmint::app
