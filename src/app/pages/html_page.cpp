#include "app/pages/html_page.h"

namespace bevelmint::app {

HtmlPage::HtmlPage(QWidget* parent) : QWidget(parent) {
    memo = new QPlainTextEdit(this);
    memo->setObjectName("Memo1");
    memo->setGeometry(10, 10, 206, 220);
    memo->setToolTip("HTML Edit Box");
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Markup needs no tab characters: Tab moves on to the next control.
    memo->setTabChangesFocus(true);
    const char* names[4] = {"SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton6"};
    const char* captions[4] = {"Create HTML Tag", "Copy to Clipboard", "Save to File         ",
                               "Open in Browser  "};
    const char* hints[4] = {
        "Create a HTML source code for your exported button", "Copy the HTML source to clipboard",
        "Save the HTML text to a HTML file", "Open the saved HTML file in standard browser"};
    for (int i = 0; i < 4; ++i) {
        commands[i] =
            new BevelButton(names[i], captions[i], hints[i], {10, 240 + 32 * i, 206, 26}, this);
        commands[i]->setEnabled(i == 0);
    }
    connect(commands[0], &QPushButton::clicked, this, &HtmlPage::createRequested);
    connect(commands[1], &QPushButton::clicked, this, &HtmlPage::copyRequested);
    connect(commands[2], &QPushButton::clicked, this, &HtmlPage::saveRequested);
    connect(commands[3], &QPushButton::clicked, this, &HtmlPage::openRequested);
}

void HtmlPage::showFragment(const QString& fragment) {
    memo->setPlainText(QString(fragment).replace("\r\n", "\n"));
    commands[1]->setEnabled(true);
    commands[2]->setEnabled(true);
}

QString HtmlPage::fragment() const {
    return memo->toPlainText().replace("\n", "\r\n");
}

void HtmlPage::clearSelection() {
    QTextCursor cursor = memo->textCursor();
    cursor.clearSelection();
    memo->setTextCursor(cursor);
}

}  // namespace bevelmint::app
