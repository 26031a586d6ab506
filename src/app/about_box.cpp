#include "app/about_box.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace bevelmint::app {

AboutBox::AboutBox(const QPixmap& picture) {
    setObjectName("AboutBox");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setPixmap(picture);
    setFixedSize(208, 226);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void AboutBox::showFor(int milliseconds) {
    show();
    repaint();
    QTimer::singleShot(milliseconds, this, &QWidget::close);
}

}  // namespace bevelmint::app
