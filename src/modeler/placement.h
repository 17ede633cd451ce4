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

struct TwipsPerPixel {
    std::int16_t x = 15, y = 15;
};

TwipsPerPixel Get_Twips_Per_Pixel(const host::Screen& screen);

// A twips value rounded to whole twips, then divided by the factor (truncating).
int twips_to_pixels(double twips, std::int16_t factor);

// The form's Left, Top, Width and Height in pixels, placing it where it stands.
host::PixelRect pixel_geometry(host::Form& form, TwipsPerPixel factors);

// SetWindowPos on the form where it stands, into or out of the topmost band,
// shown and not activated. False when the call fails.
bool put_in_band(host::WindowSystem& windows, host::Form& form, host::ZBand band, TwipsPerPixel factors);

// "1" puts the windows in the topmost band, "0" takes them out; other texts leave them.
std::optional<host::ZBand> band_of_switch(const std::string& top_most);

struct PlacementContext {
    const host::Screen& screen;
    host::WindowSystem& windows;
    host::Dialogs& dialogs;
    std::int16_t& set_changed;
};

// Captures the form's restored position into left/top (twips). A value that
// differs from the one held marks the settings changed; negative values become 0.
void Get_Form_Position(PlacementContext context, host::Form& form, std::int16_t& left, std::int16_t& top);

}  // namespace tastrel
