#include "app/startup.h"

#include <QApplication>
#include <QFont>
#include <cstdlib>

namespace bevelmint::app {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

}  // namespace

std::optional<std::string> missingDisplay(const std::string& command) {
    if (isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM")) {
        return std::nullopt;
    }
    return "bevelmint: no display to open the window on; run it inside a virtual one: xvfb-run " +
           command + " (Debian's xvfb provides xvfb-run)";
}

void useInterfaceFont() {
    QFont font(kInterfaceFamily, 9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

}  // namespace bevelmint::app
