#include "win32/screen_metrics.h"

#include <windows.h>

#include "host/twips.h"
#include "win32/handles.h"

namespace tastrel::win32 {
namespace {

double twips_per_pixel(int dots_per_inch) { return host::twips_per_inch / (dots_per_inch > 0 ? dots_per_inch : 96); }

}  // namespace

// The system resolution is fixed for the life of a system-aware process.
Win32Screen::Win32Screen() {
    ScreenDC screen;
    twips_per_pixel_x_ = twips_per_pixel(screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0);
    twips_per_pixel_y_ = twips_per_pixel(screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0);
}

double Win32Screen::width_twips() const { return GetSystemMetrics(SM_CXSCREEN) * twips_per_pixel_x_; }

double Win32Screen::height_twips() const { return GetSystemMetrics(SM_CYSCREEN) * twips_per_pixel_y_; }

host::TwipsRect Win32Screen::work_area(HMONITOR monitor) const {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (monitor != nullptr && GetMonitorInfoW(monitor, &info)) r = info.rcWork;
    return {r.left * twips_per_pixel_x_, r.top * twips_per_pixel_y_, (r.right - r.left) * twips_per_pixel_x_,
            (r.bottom - r.top) * twips_per_pixel_y_};
}

host::TwipsRect Win32Screen::work_area_at_pointer() const {
    POINT pointer{};
    GetCursorPos(&pointer);
    return work_area(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST));
}

host::TwipsRect Win32Screen::work_area_of(const host::TwipsRect& area) const {
    const RECT r{static_cast<LONG>(area.left / twips_per_pixel_x_), static_cast<LONG>(area.top / twips_per_pixel_y_),
                 static_cast<LONG>((area.left + area.width) / twips_per_pixel_x_),
                 static_cast<LONG>((area.top + area.height) / twips_per_pixel_y_)};
    return work_area(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST));
}

}  // namespace tastrel::win32
