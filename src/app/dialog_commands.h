#pragma once

#include <QObject>

#include "app/desktop.h"
#include "editor/editor.h"

namespace bevelmint::app {

// The editor operations that ask the user first: colours, the font and texture
// pictures, chosen in the desktop's dialogs. A cancelled dialog changes nothing.
class DialogCommands {
  public:
    DialogCommands(editor::Editor& editor, Desktop& desktop) : ed(editor), desktop(desktop) {}

    void pickButtonColour();
    void pickTextColour();
    void pickBackgroundColour();
    void chooseFont();
    // Turning the texture on asks for a picture; without one it stays off.
    void setUseTexture(bool on);
    void chooseTexture();

  private:
    void loadTexture();

    editor::Editor& ed;
    Desktop& desktop;
};

}  // namespace bevelmint::app
