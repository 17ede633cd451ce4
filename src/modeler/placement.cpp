#include "modeler/placement.h"

#include "core/vb_number.h"

namespace tastrel {

TwipsPerPixel Get_Twips_Per_Pixel(const host::Screen& screen) {
    return {to_position(screen.twips_per_pixel_x()), to_position(screen.twips_per_pixel_y())};
}

int twips_to_pixels(double twips, std::int16_t factor) {
    return factor == 0 ? 0 : round_half_even(twips) / factor;
}

host::PixelRect pixel_geometry(host::Form& form, TwipsPerPixel f) {
    const host::TwipsRect b = form.window().bounds();
    return {twips_to_pixels(b.left, f.x), twips_to_pixels(b.top, f.y), twips_to_pixels(b.width, f.x),
            twips_to_pixels(b.height, f.y)};
}

bool put_in_band(host::WindowSystem& windows, host::Form& form, host::ZBand band, TwipsPerPixel factors) {
    return windows.set_window_pos(form.hWnd(), band, pixel_geometry(form, factors), host::swp_noactivate_showwindow);
}

std::optional<host::ZBand> band_of_switch(const std::string& top_most) {
    if (top_most == "1") return host::ZBand::topmost;
    if (top_most == "0") return host::ZBand::not_topmost;
    return std::nullopt;
}

void Get_Form_Position(PlacementContext c, host::Form& form, std::int16_t& left, std::int16_t& top) {
    const TwipsPerPixel factors = Get_Twips_Per_Pixel(c.screen);
    const auto normal = c.windows.normal_position(form.hWnd());
    if (!normal) {
        c.dialogs.message_box("予期せぬｴﾗｰが発生しました。ﾌｫｰﾑの位置設定を中止します。");
        return;
    }
    // A window far out on a large desktop lies beyond the 16-bit range: clamp it.
    const std::int16_t captured_left = clamp_to_position(std::int64_t{factors.x} * normal->x);
    const std::int16_t captured_top = clamp_to_position(std::int64_t{factors.y} * normal->y);
    if (captured_left != left) {
        left = captured_left;
        c.set_changed = 1;
    }
    if (captured_top != top) {
        top = captured_top;
        c.set_changed = 1;
    }
    if (left < 0) left = 0;
    if (top < 0) top = 0;
}

}  // namespace tastrel
