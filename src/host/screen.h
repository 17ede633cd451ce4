#pragma once
#include "host/form_peer.h"

namespace tastrel::host {

// The screen object: its size in twips and the twips in one pixel per axis.
class Screen {
public:
    virtual ~Screen() = default;
    virtual double width_twips() const = 0;
    virtual double height_twips() const = 0;
    virtual double twips_per_pixel_x() const = 0;
    virtual double twips_per_pixel_y() const = 0;
    // Work areas (a monitor less its taskbars) in twips of the whole desktop:
    // the one under the mouse pointer, and the one of the monitor that holds
    // most of an area (the nearest when none does).
    virtual TwipsRect work_area_at_pointer() const = 0;
    virtual TwipsRect work_area_of(const TwipsRect& area) const = 0;
};

}  // namespace tastrel::host
