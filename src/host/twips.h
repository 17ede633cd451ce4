#pragma once
#include "core/vb_number.h"

namespace tastrel::host {

inline constexpr double twips_per_inch = 1440;

// A form's Left/Top/Width/Height in twips to the nearest whole pixel, as the
// toolkit places a window when one of them is set.
inline int twips_to_nearest_pixels(double twips, double twips_per_pixel) {
    return round_half_even(twips / twips_per_pixel);
}

}  // namespace tastrel::host
