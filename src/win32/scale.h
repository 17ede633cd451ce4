#pragma once
// Twips to pixels for one window, at the screen's resolution.
#include "host/twips.h"

namespace tastrel::win32 {

struct Scale {
    double twips_per_pixel_x, twips_per_pixel_y;
    int x(double twips) const { return host::twips_to_nearest_pixels(twips, twips_per_pixel_x); }
    int y(double twips) const { return host::twips_to_nearest_pixels(twips, twips_per_pixel_y); }
    int dpi() const {
        const int dots = y(1440);
        return dots > 0 ? dots : 96;
    }
};

}  // namespace tastrel::win32
