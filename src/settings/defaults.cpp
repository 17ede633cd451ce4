#include "settings/defaults.h"

#include "core/vb_number.h"

namespace tastrel {

const std::array<DefaultAssignment, button_count>& default_assignments() {
    static constexpr std::array<DefaultAssignment, button_count> table{{
        {"cmd_U", "name_REDO"},          {"cmd_u", "name_UNDO"},
        {"cmd_J", "name_Jitter"},        {"cmd_j", "name_Jump Points"},
        {"cmd_M", "name_Smooth"},        {"cmd_I", "name_Unify Poly"},
        {"cmd_i", "name_Section Info"},  {"cmd_K", "name_Knife Tool"},
        {"cmd_k", "name_Remove Poly"},   {"cmd_O", "name_Ball Tool"},
        {"cmd_o", "name_Data Options"},  {"cmd_L", "name_Lathe Tool"},
        {"cmd_l", "name_Load Object"},   {"cmd_!", "name_Zoom Out"},
        {"cmd_.", "name_Zoom In"},       {"cmd_P", "name_Motion P Ext"},
        {"cmd_p", "name_Make Polygon"},  {"cmd_l", "name_Load Object"},
        {"cmd_:", "name_Magnet Tool"},   {"cmd_/", "name_Drop Current"},
        {"cmd_-", "name_Hide Select"},   {"cmd_\\", "name_Unhide All"},
        {"cmd_^(V)", "name_Set Value"},  {"cmd_{ESC}", "name_ESC"},
    }};
    return table;
}

void put_default_positions(SharedState& state, const LayoutMeasures& m) {
    const double pos_x = (m.screen_width - m.palette_width) / 2;
    state.Set_Pos_X = "Pos_X" + shortest_decimal(pos_x);
    state.Set_Pos_Y = "Pos_Y" + shortest_decimal((m.screen_height - m.palette_height) / 2);
    // The keypad's right edge meets the palette's left edge.
    state.Set_TPos_X = "TPos_X" + shortest_decimal(pos_x - m.keypad_width);
    state.Set_TPos_Y = "TPos_Y" + shortest_decimal((m.screen_height - m.keypad_height) / 2);
}

}  // namespace tastrel
