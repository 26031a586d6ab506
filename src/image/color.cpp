#include "image/color.h"

#include <cmath>

namespace bevelmint::image {

// Under the default rounding mode nearbyintl rounds halves to even.
int64_t roundHalfEven(long double v) {
    return static_cast<int64_t>(std::nearbyintl(v));
}

}  // namespace bevelmint::image
