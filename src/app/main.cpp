// bevelmint: the button designer's window.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>

#include "app/main_window.h"
#include "app/qt_desktop.h"
#include "app/settings_store.h"

namespace {

// The help page's folder: the installed data folder, else the source tree's assets.
QString dataFolder() {
    const QString installed = QString(BEVELMINT_INSTALLED_ASSETS);
    return QFileInfo::exists(installed + "/Help.html") ? installed
                                                       : QString(BEVELMINT_SOURCE_ASSETS);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Bevelmint");
    QApplication::setOrganizationName("Quarnel");
    QApplication::setWindowIcon(QIcon(":/assets/bevelmint.svg"));
    bevelmint::app::QtSettingsStore settings;
    bevelmint::app::seedFirstStart(settings, dataFolder());
    bevelmint::app::QtDesktop desktop;
    bevelmint::app::TForm1 window(desktop, settings, app.arguments().mid(1));
    desktop.setParent(&window);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return app.exec();
}
