#include "win32/screen_metrics.h"

#include <windows.h>

#include "win32/handles.h"

namespace tastrel::win32 {
namespace {

constexpr double twips_per_inch = 1440;

double twips_per_pixel(int dots_per_inch) { return twips_per_inch / (dots_per_inch > 0 ? dots_per_inch : 96); }

}  // namespace

// The system resolution is fixed for the life of a system-aware process.
Win32Screen::Win32Screen() {
    ScreenDC screen;
    twips_per_pixel_x_ = twips_per_pixel(screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0);
    twips_per_pixel_y_ = twips_per_pixel(screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0);
}

double Win32Screen::width_twips() const { return GetSystemMetrics(SM_CXSCREEN) * twips_per_pixel_x_; }

double Win32Screen::height_twips() const { return GetSystemMetrics(SM_CYSCREEN) * twips_per_pixel_y_; }

}  // namespace tastrel::win32
