// bevelmint: the button designer's window.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <cstdlib>
#include <iostream>

#include "app/main_window.h"
#include "app/qt_desktop.h"
#include "app/settings_store.h"
#include "app/startup.h"

namespace {

// The help page's folder: the installed data folder, else the source tree's assets.
QString dataFolder() {
    const QString installed = QString(BEVELMINT_INSTALLED_ASSETS);
    return QFileInfo::exists(installed + "/Help.html") ? installed
                                                       : QString(BEVELMINT_SOURCE_ASSETS);
}

}  // namespace

int main(int argc, char** argv) {
    // Qt's own message for a missing display names plugins, not the way out.
    const char* launcher = std::getenv("BEVELMINT_LAUNCHER");
    if (auto message = bevelmint::app::missingDisplay(launcher ? launcher : "bevelmint")) {
        std::cerr << *message << "\n";
        return 1;
    }
    QApplication app(argc, argv);
    bevelmint::app::useInterfaceFont();
    QApplication::setApplicationName("Bevelmint");
    QApplication::setOrganizationName("Quarnel");
    QApplication::setWindowIcon(QIcon(":/assets/bevelmint.svg"));
    bevelmint::app::QtSettingsStore settings;
    bevelmint::app::seedFirstStart(settings, dataFolder());
    bevelmint::app::QtDesktop desktop;
    bevelmint::app::MainWindow window(desktop, settings, app.arguments().mid(1));
    desktop.setParent(&window);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return app.exec();
}
