#pragma once
// Twips and pixels: the factors of the screen, window geometry for
// SetWindowPos, and capturing where a window really stands.
#include <cstdint>
#include <optional>
#include <string>

#include "host/dialogs.h"
#include "host/form.h"
#include "host/screen.h"
#include "host/window_system.h"

namespace tastrel {

// Twips in one pixel of the system resolution, exactly (1440 / dpi). Rounded
// to whole numbers, 7.5 at 192 dpi or 8.57 at 168 dpi would misplace every
// window by the difference.
struct TwipsPerPixel {
    double x = 15, y = 15;
};

TwipsPerPixel Get_Twips_Per_Pixel(const host::Screen& screen);

// A place in twips to the nearest pixel, as a window is placed when its Left
// or Top is set.
int twips_to_pixels(double twips, double factor);
// A place in pixels to the nearest whole twip, within the 16-bit range.
std::int16_t pixels_to_twips(int pixels, double factor);

// SetWindowPos on the form where it stands and at its size, into or out of
// the topmost band, shown and not activated. False when the call fails.
bool put_in_band(host::WindowSystem& windows, host::Form& form, host::ZBand band);

// "1" puts the windows in the topmost band, "0" takes them out; other texts leave them.
std::optional<host::ZBand> band_of_switch(const std::string& top_most);

struct PlacementContext {
    const host::Screen& screen;
    host::WindowSystem& windows;
    host::Dialogs& dialogs;
    std::int16_t& set_changed;
};

// Captures the form's restored position, in screen coordinates as the
// windows are placed, into left/top (twips). A window that stands elsewhere
// than the held values place it marks the settings changed and gives its
// place in twips; negative values become 0.
void Get_Form_Position(PlacementContext context, host::Form& form, std::int16_t& left, std::int16_t& top);
// The same for a place known in pixels, such as the palette's own place
// kept while the editor is open.
void capture_place(PlacementContext context, host::PixelPoint place, std::int16_t& left, std::int16_t& top);

// Takes the form onto the monitor of the work area when it stands on
// another: there the system may give it another size, which a place beside
// or in the middle of something must count with.
void take_onto(const host::Screen& screen, host::Form& form, const host::TwipsRect& area);
// The form in the middle of the work area.
void centre_in(const host::Screen& screen, host::Form& form, const host::TwipsRect& area);

}  // namespace tastrel
