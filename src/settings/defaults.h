#pragma once
// The built-in settings: 24 assignments, all switches on, and a layout that
// centres the palette on the screen with the keypad to its left.
#include <array>
#include <string_view>

#include "settings/shared_state.h"

namespace tastrel {

struct DefaultAssignment {
    std::string_view cmd_line;   // "cmd_" + key string in its file form
    std::string_view name_line;  // "name_" + caption
};

const std::array<DefaultAssignment, button_count>& default_assignments();

// Screen size and the windows' outer sizes, in twips.
struct LayoutMeasures {
    double screen_width = 0, screen_height = 0;
    double palette_width = 0, palette_height = 0;
    double keypad_width = 0, keypad_height = 0;
};

// The four position lines of the centred layout ("Pos_X6172.5", "TPos_X-300", ...).
void put_default_positions(SharedState& state, const LayoutMeasures& measures);

}  // namespace tastrel
