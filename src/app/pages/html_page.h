#pragma once

#include <QPlainTextEdit>
#include <array>

#include "app/widgets.h"

namespace bevelmint::app {

// The HTML page: the edit box for the rollover fragment and its four commands.
class HtmlPage : public QWidget {
    Q_OBJECT
  public:
    explicit HtmlPage(QWidget* parent = nullptr);
    // The fragment with CR LF line ends; the box shows it with plain line ends.
    void showFragment(const QString& fragment);
    // The box's text with the file format's line ends; empty when there is none.
    QString fragment() const;
    void selectAll() { memo->selectAll(); }
    void clearSelection();
    void savedPage() { commands[3]->setEnabled(true); }

  signals:
    void createRequested();
    void copyRequested();
    void saveRequested();
    void openRequested();

  private:
    QPlainTextEdit* memo;
    std::array<BevelButton*, 4> commands{};
};

}  // namespace bevelmint::app
