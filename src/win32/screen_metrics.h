#pragma once
#include <windows.h>

#include "host/screen.h"

namespace tastrel::win32 {

// The primary screen at the system's resolution (the program is system-DPI aware).
class Win32Screen : public host::Screen {
public:
    Win32Screen();
    double width_twips() const override;
    double height_twips() const override;
    double twips_per_pixel_x() const override { return twips_per_pixel_x_; }
    double twips_per_pixel_y() const override { return twips_per_pixel_y_; }
    host::TwipsRect work_area_at_pointer() const override;
    host::TwipsRect work_area_of(const host::TwipsRect& area) const override;

private:
    host::TwipsRect work_area(HMONITOR monitor) const;

    double twips_per_pixel_x_, twips_per_pixel_y_;
};

}  // namespace tastrel::win32
