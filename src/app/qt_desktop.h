#pragma once

#include <QWidget>

#include "app/desktop.h"

namespace bevelmint::app {

// The desktop through Qt's dialogs, message boxes, clipboard and QDesktopServices.
class QtDesktop : public Desktop {
  public:
    explicit QtDesktop(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<QString> openFileName(const QString& filter, const QString& defaultExt) override;
    std::optional<QString> saveFileName(const QString& title, const QString& filter,
                                        const QString& defaultExt,
                                        const QString& suggested) override;
    std::optional<QString> chooseFolder(const QString& start) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
    std::optional<state::FontDesc> chooseFont(const state::FontDesc& initial) override;
    SaveAnswer askToSave(const QString& designName, const QString& occasion) override;
    void inform(const QString& caption, const QString& text) override;
    void error(const QString& text) override;
    void copyText(const QString& text) override;
    bool openFile(const QString& path, bool maximised) override;

  private:
    QWidget* parent_;
};

}  // namespace bevelmint::app
