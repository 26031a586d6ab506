#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QStringList>
#include <QWidget>
#include <array>

#include "app/desktop.h"
#include "app/settings_store.h"
#include "app/widgets.h"
#include "render/render_pipeline.h"
#include "render/text_engine.h"
#include "render/texture.h"
#include "state/button_state.h"
#include "state/state_rules.h"

namespace bevelmint::app {

// The main window: toolbar, the page control with the editor pages, and the
// normal and pressed previews. It owns the design state, the pictures and the
// texture; every handler calls the core's rules and then brings the widgets in step.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    TForm1(Desktop& desktop, SettingsStore& settings, const QStringList& arguments,
           bool showSplash = true, QWidget* parent = nullptr);

    state::ButtonState& design() { return s_; }
    const render::RenderPipeline& pipeline() const { return pipeline_; }
    int renderCount() const { return renders_; }
    bool inTestMode() const { return testMode_; }
    QMenu* popupMenu() const { return popup_; }

    void paintbutton();
    void updateallnumbers();
    void updatemenu();
    void setmenucolor(const QColor& c);
    void resetfromshowmode();
    void enterTestMode();
    void Moveicon();
    void openPopupAt(const QPoint& globalPos);

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    // Saves live update, clears it, and restores it when it goes out of scope.
    struct Suppressed {
        explicit Suppressed(state::ButtonState& s) : s_(s), wasLive(s.liveUpdate) {
            s.liveUpdate = false;
        }
        ~Suppressed() { s_.liveUpdate = wasLive; }
        state::ButtonState& s_;
        const bool wasLive;
    };
    void renderIfLive();
    void bindRefreshed(QAbstractSlider* control, int32_t state::ButtonState::*field);

    void formCreate(const QStringList& arguments);
    void buildToolbar();
    void buildPreview();
    void buildShapePage(QWidget* page);
    void buildColorsPage(QWidget* page);
    void buildLightPage(QWidget* page);
    void buildTextPage(QWidget* page);
    void buildTexturePage(QWidget* page);
    void buildExportPage(QWidget* page);
    void buildHtmlPage(QWidget* page);
    void buildAboutPage(QWidget* page);
    void buildPopupMenu();
    void buildTestMode();

    // Handlers.
    void shapeChosen(state::ShapeKind kind);
    void widthChanged(int v);
    void heightChanged(int v);
    void sizeChanged(bool changed);
    void depthChanged(int v);
    void buttonChannelChanged(state::Channel c, int v);
    void textChannelChanged(state::Channel c, int v);
    void pickButtonColour();
    void pickTextColour();
    void pickBackgroundColour();
    void pickMenuColour();
    void lightChosen(int position);
    void rotateLight();
    void switchMode();
    void openHelp();
    void useTextClicked();
    void applyText();
    void chooseFont();
    void fontSizeChanged(int v);
    void text3DClicked();
    void useTextureClicked();
    void chooseTexture();
    void loadTexture(const QString& path);
    void brightnessChanged(int v);
    void formatChosen(state::ExportFormat f);
    void exportPressedClicked();
    void choosePicturePath(bool pressed);
    void saveDesign();
    void loadDesign();
    void loadLastDesign();
    bool openbutton(const QString& path);
    void syncAllControls();
    void exportPictures();
    void createHtmlTag();
    void copyHtml();
    void saveHtml();
    void openHtml();

    void syncShapeControls();
    void syncColourBars();
    void setTextControlsEnabled(bool on);
    void showTexturePreview();
    void showLightDiagram();
    QRadioButton* lightButton(int position) const { return lightButtons_[position - 1]; }
    QPixmap asset(const QString& name, QSize size) const;
    QAction* menuAction(const char* name) const;

    Desktop& desktop_;
    SettingsStore& settings_;
    state::ButtonState s_ = state::defaultState();
    render::TextEngine text_;
    render::RenderPipeline pipeline_;
    render::TextureImages texture_;
    int renders_ = 0;
    bool testMode_ = false;

    // Widgets the handlers reach.
    Swatch* shape9_ = nullptr;
    Swatch* shape10_ = nullptr;
    Swatch* shape3_ = nullptr;
    Swatch* shape7_ = nullptr;
    Swatch* shape17_ = nullptr;
    Swatch* shape18_ = nullptr;
    Swatch* shape2_ = nullptr;
    Swatch* shape8_ = nullptr;
    Swatch* shape20_ = nullptr;
    std::array<BevelButton*, 7> toolbar_{};
    BevelButton* modeButton_ = nullptr;
    PointerLabel* busyIcon_ = nullptr;
    PageControl* pages_ = nullptr;
    QLabel* image6_ = nullptr;
    QLabel* image42_ = nullptr;
    QRadioButton* shapeButtons_[3] = {};
    QLabel* roundnessLabel_ = nullptr;
    FatScrollBar* roundness_ = nullptr;
    QCheckBox* smoothEdges_ = nullptr;
    FatScrollBar* width_ = nullptr;
    FatScrollBar* height_ = nullptr;
    FatScrollBar* depth_ = nullptr;
    QLabel* widthOut_ = nullptr;
    QLabel* heightOut_ = nullptr;
    QLabel* depthOut_ = nullptr;
    FatScrollBar* buttonBars_[3] = {};
    FatScrollBar* textBars_[3] = {};
    QLabel* label6_ = nullptr;
    QLabel* image2_ = nullptr;
    std::array<QRadioButton*, 8> lightButtons_{};
    QCheckBox* lightenFront_ = nullptr;
    FatScrollBar* radius_ = nullptr;
    FatScrollBar* intensity_ = nullptr;
    FatScrollBar* fade_ = nullptr;
    QLabel* radiusOut_ = nullptr;
    QLabel* intensityOut_ = nullptr;
    QLabel* fadeOut_ = nullptr;
    QCheckBox* useText_ = nullptr;
    QLineEdit* edit5_ = nullptr;
    BevelButton* apply_ = nullptr;
    BevelButton* fontButton_ = nullptr;
    FatScrollBar* fontSize_ = nullptr;
    QLabel* fontSizeOut_ = nullptr;
    QCheckBox* text3D_ = nullptr;
    QSlider* offsetX_ = nullptr;
    QSlider* offsetY_ = nullptr;
    QLabel* offsetXOut_ = nullptr;
    QLabel* offsetYOut_ = nullptr;
    QCheckBox* useTexture_ = nullptr;
    BevelButton* chooseTexture_ = nullptr;
    QCheckBox* stretch_ = nullptr;
    QLabel* image3_ = nullptr;
    QLabel* textureName_ = nullptr;
    QLabel* textureWidth_ = nullptr;
    QLabel* textureHeight_ = nullptr;
    FatScrollBar* brightness_ = nullptr;
    QProgressBar* progress2_ = nullptr;
    QRadioButton* formatButtons_[3] = {};
    QCheckBox* exportPressed_ = nullptr;
    QLineEdit* edit13_ = nullptr;
    QLineEdit* edit14_ = nullptr;
    QPushButton* button8_ = nullptr;
    QWidget* jpegGroup_ = nullptr;
    QSlider* jpegCompression_ = nullptr;
    QLineEdit* edit12_ = nullptr;
    QCheckBox* progressive_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    BevelButton* htmlButtons_[4] = {};
    QMenu* popup_ = nullptr;
    // Test mode.
    PointerLabel* image5_ = nullptr;
    QLabel* label17_ = nullptr;
    QRadioButton* onHover_ = nullptr;
    QRadioButton* onClick_ = nullptr;
    BevelButton* closeTest_ = nullptr;
};

}  // namespace bevelmint::app
