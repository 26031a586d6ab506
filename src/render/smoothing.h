#pragma once

#include "image/picture.h"

namespace bevelmint::render {

// Softens the outline of round shapes: every pixel the mask marks blue that
// differs from both of its inward neighbours becomes the truncated average of the
// three. Four scans from the centre outwards, in place, normal picture first.
void smoothOutline(int w, int h, const image::Picture& mask, image::Picture& normal,
                   image::Picture& pressed);

}  // namespace bevelmint::render
