#pragma once

#include <QAction>
#include <QMenu>
#include <array>

#include "state/button_state.h"

namespace bevelmint::app {

// Every command of the window, created once: the popup menu lists them, the
// toolbar buttons trigger the same actions, and the window's shortcuts run them.
class WindowActions {
  public:
    explicit WindowActions(QWidget* window);

    // The check marks and enabled states of the popup entries (updateMenuChecks).
    struct Enabled {
        bool chooseTexture, text3DChecked, text3D, smoothEdges;
    };
    void follow(const state::ButtonState& s, const Enabled& enabled);
    void followHistory(bool canUndo, bool canRedo);
    // While an export runs, every command that edits or writes is disabled.
    void setExporting(bool on);

    QMenu* popup;
    QAction* undo;
    QAction* redo;
    QAction* load;
    QAction* loadLast;
    QAction* save;
    QAction* saveAs;
    QAction* exportPictures;
    QAction* exportWeb;
    std::array<QAction*, 3> shapes{};
    QAction* smoothEdges;
    QAction* pickButtonColour;
    QAction* pickTextColour;
    QAction* pickBackgroundColour;
    QAction* pickMenuColour;
    QAction* changeLightPosition;
    QAction* lightenFront;
    QAction* useText;
    QAction* text3D;
    QAction* useTexture;
    QAction* chooseTexture;
    std::array<QAction*, 3> formats{};
    QAction* exportPressed;
    QAction* switchMode;
    QAction* test;
    QAction* about;
    QAction* help;
    QAction* exit;
    // Only shortcuts: Escape, and Ctrl+Tab, Ctrl+PgDown (Ctrl+Shift+Tab,
    // Ctrl+PgUp) for the next (previous) page from anywhere in the window.
    QAction* leaveTest;
    QAction* nextPage;
    QAction* previousPage;

  private:
    void holdOffWhileExporting();
    bool exporting = false;
};

}  // namespace bevelmint::app
