#include "places/placement.h"

#include "core/messages.h"
#include "core/switch_text.h"
#include "core/vb_number.h"
#include "host/twips.h"

namespace tastrel {

TwipsPerPixel Get_Twips_Per_Pixel(const host::Screen& screen) {
    return {screen.twips_per_pixel_x(), screen.twips_per_pixel_y()};
}

int twips_to_pixels(double twips, double factor) {
    return factor > 0 ? host::twips_to_nearest_pixels(twips, factor) : 0;
}

std::int16_t pixels_to_twips(int pixels, double factor) { return to_position(pixels * factor); }

// The window's own pixel rectangle: converted through twips, its size would
// change wherever a pixel is not a whole number of twips, or the window's
// monitor has another resolution than the system's.
bool put_in_band(host::WindowSystem& windows, host::Form& form, host::ZBand band) {
    return windows.put_in_band(form.hWnd(), band, form.window().pixel_bounds());
}

std::optional<host::ZBand> band_of_switch(const std::string& top_most) {
    if (top_most == switch_on) return host::ZBand::topmost;
    if (top_most == switch_off) return host::ZBand::not_topmost;
    return std::nullopt;
}

namespace {

// Compared in pixels: a held value that is no whole number of pixels (a
// first-start layout, a file written at another resolution) still counts as
// unmoved while the window stands where that value placed it.
void capture(int pixels, double factor, std::int16_t& held, std::int16_t& set_changed) {
    if (pixels == twips_to_pixels(held, factor)) return;
    held = pixels_to_twips(pixels, factor);
    set_changed = 1;
}

}  // namespace

void Get_Form_Position(PlacementContext c, host::Form& form, std::int16_t& left, std::int16_t& top) {
    const auto normal = c.windows.normal_position(form.hWnd());
    if (!normal) {
        c.dialogs.message_box(messages::placement_failed);
        return;
    }
    const host::PixelPoint offset = c.windows.workspace_offset(form.hWnd());
    capture_place(c, {normal->x + offset.x, normal->y + offset.y}, left, top);
}

void capture_place(PlacementContext c, host::PixelPoint place, std::int16_t& left, std::int16_t& top) {
    const TwipsPerPixel factors = Get_Twips_Per_Pixel(c.screen);
    capture(place.x, factors.x, left, c.set_changed);
    capture(place.y, factors.y, top, c.set_changed);
    if (left < 0) left = 0;
    if (top < 0) top = 0;
}

namespace {

bool same_area(const host::TwipsRect& a, const host::TwipsRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

}  // namespace

void take_onto(const host::Screen& screen, host::Form& form, const host::TwipsRect& area) {
    if (!same_area(screen.work_area_of(form.window().bounds()), area)) form.move(area.left, area.top);
}

void centre_in(const host::Screen& screen, host::Form& form, const host::TwipsRect& area) {
    take_onto(screen, form, area);
    form.move(area.left + (area.width - form.width()) / 2, area.top + (area.height - form.height()) / 2);
}

}  // namespace tastrel
