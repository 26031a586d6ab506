#pragma once

#include <QColor>
#include <QObject>

#include "app/desktop.h"
#include "render/texture.h"
#include "state/state_rules.h"

namespace bevelmint::app {

// The window's design operations: each applies the core's rules to the design
// and reports once what the views must do, so that every user action ends in
// at most one render. Dialogs are asked through the desktop.
class DesignCommands : public QObject {
    Q_OBJECT
  public:
    // What an operation did: nothing (views only re-read the design), changed
    // the design without touching the pictures, changed what is drawn, or
    // changed only how it is drawn (the edit mode, which is not saved).
    enum class Effect { none, quiet, render, redraw };

    DesignCommands(state::ButtonState& design, render::TextureImages& texture, Desktop& desktop)
        : s(design), texture(texture), desktop(desktop) {}

    void chooseShape(state::ShapeKind kind);
    void setRoundness(int v);
    void setSmoothEdges(bool on);
    void toggleSmoothEdges();
    void setWidth(int v);
    void setHeight(int v);
    void setDepth(int v);
    void setButtonChannel(state::Channel c, int v);
    void setTextChannel(state::Channel c, int v);
    void setButtonColour(const QColor& c);
    void setTextColour(const QColor& c);
    void setBackgroundColour(const QColor& c);
    void pickButtonColour();
    void pickTextColour();
    void pickBackgroundColour();
    void chooseLight(int position);
    void rotateLight();
    void setLightenFront(bool on);
    void setLightRadius(int v);
    void setLightIntensity(int v);
    void setBorderFade(int v);
    void switchMode();
    void setUseText(bool on);
    void applyText(const QString& text);
    void chooseFont();
    void setFontSize(int v);
    void setText3D(bool on);
    void setTextOffsetX(int v);
    void setTextOffsetY(int v);
    void setUseTexture(bool on);
    void chooseTexture();
    void setTextureBrightness(int v);
    void setStretchPreview(bool on);
    void chooseFormat(state::ExportFormat f);
    void setExportPressed(bool on);
    void setJpegCompression(int v);
    void setJpegProgressive(bool on);
    void setExportFileName(bool pressed, const QString& path);

  signals:
    void done(Effect effect);
    // The brightness pass's progress 0..100, and its end.
    void progress(int percent);
    void progressEnded();

  private:
    void finish(Effect effect);
    void loadTexture(const QString& path);

    state::ButtonState& s;
    render::TextureImages& texture;
    Desktop& desktop;
};

}  // namespace bevelmint::app
