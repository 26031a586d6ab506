#include "app/pictures.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace bevelmint::app {

QPixmap asset(const QString& name, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(":/assets/" + name);
    QPainter painter(&pixmap);
    svg.render(&painter);
    return pixmap;
}

QPixmap toPixmap(const image::Picture& p, int w, int h, int scale) {
    QImage image(w * scale, h * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const image::Rgb c = image::splitColor(p.pixel(x, y));
            line[x] = qRgb(c.r, c.g, c.b);
        }
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QColor captionColourOn(const QColor& background) {
    const int mean = (background.red() + background.green() + background.blue()) / 3;
    return mean >= 192 ? Qt::black : Qt::white;
}

}  // namespace bevelmint::app
