#pragma once

#include <QColor>
#include <QString>
#include <optional>

#include "state/button_state.h"

namespace bevelmint::app {

// What the window asks of the desktop: dialogs, message boxes, the clipboard and
// the shell. The program uses the Qt implementation; tests script the answers.
class Desktop {
  public:
    virtual ~Desktop() = default;

    // A confirmed file dialog gives the chosen path; filter as "Name|*.ext". A save
    // dialog is titled with what it names and may start at a suggested path (its
    // folder and file name).
    virtual std::optional<QString> openFileName(const QString& filter,
                                                const QString& defaultExt) = 0;
    virtual std::optional<QString> saveFileName(const QString& title, const QString& filter,
                                                const QString& defaultExt,
                                                const QString& suggested = {}) = 0;
    // A confirmed folder dialog gives the chosen folder.
    virtual std::optional<QString> chooseFolder(const QString& start) = 0;
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
    virtual std::optional<state::FontDesc> chooseFont(const state::FontDesc& initial) = 0;

    // Unsaved changes about to go (the window closing, another design loading):
    // save them, drop them, or stay. `occasion` completes "before ...".
    enum class SaveAnswer { save, discard, cancel };
    virtual SaveAnswer askToSave(const QString& designName, const QString& occasion) = 0;

    // An information box with a caption.
    virtual void inform(const QString& caption, const QString& text) = 0;
    // The application's error box: the text under the application title.
    virtual void error(const QString& text) = 0;

    virtual void copyText(const QString& text) = 0;
    // Opens a file with the desktop's default program; false when none could.
    virtual bool openFile(const QString& path, bool maximised) = 0;
};

// The error box's text: a full stop is added when the last character sorts
// after "." (a letter or a digit does; a quote or "!" does not).
QString errorBoxText(const QString& text);

}  // namespace bevelmint::app
