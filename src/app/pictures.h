#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

#include "image/color.h"
#include "image/picture.h"

namespace bevelmint::app {

// One of the window's pictures (an SVG under assets/) drawn at the given size.
QPixmap asset(const QString& name, QSize size);

// The top-left w x h pixels of a picture, or of one drawn at a scale, shown
// at w x h on the screen with the scale as its pixel ratio.
QPixmap toPixmap(const image::Picture& p, int w, int h, int scale = 1);

inline QColor toQColor(image::Rgb c) {
    return QColor(c.r, c.g, c.b);
}
inline image::Rgb fromQColor(const QColor& c) {
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
            static_cast<uint8_t>(c.blue())};
}

// The black-or-white rule for captions on the menu colour: black when the
// channels' mean is 192 or more.
QColor captionColourOn(const QColor& background);

}  // namespace bevelmint::app
