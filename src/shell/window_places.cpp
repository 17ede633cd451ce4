// The menu items that bring the windows back to their usual places.
#include "core/vb_number.h"
#include "shell/main_form.h"

namespace tastrel {

// Centred in the work area under the mouse pointer, where the user is
// looking: also the way back for a palette left on a monitor that is gone.
// In edit mode this is where the palette returns when the editor closes.
void MainForm::Mnu_Frm_Pos_Click() {
    const host::TwipsRect area = services_.screen.work_area_at_pointer();
    if (state_.Edit_Mode == 1) {
        state_.Palette_Left = to_position(area.left + (area.width - state_.Palette_Width) / 2);
        state_.Palette_Top = to_position(area.top + (area.height - height()) / 2);
    } else {
        centre_in(services_.screen, *this, area);
    }
    state_.Set_Changed = 1;
}

// The keypad's right edge meets the palette's left edge, as in the first
// layout, on the palette's monitor; when that leaves the work area, it goes
// to the right.
void MainForm::Mnu_Tenkey_left_Click() {
    Mnu_Tenkey_Click();  // opens the keypad, or refuses while the editor is open
    if (state_.Edit_Mode == 1) return;
    const host::TwipsRect palette = window().bounds();
    const host::TwipsRect area = services_.screen.work_area_of(palette);
    take_onto(services_.screen, keypad_, area);
    const host::TwipsRect keypad = keypad_.window().bounds();
    double keypad_left = palette.left - keypad.width;
    if (keypad_left < area.left) keypad_left = palette.left + palette.width;
    keypad_.move(keypad_left, palette.top + (palette.height - keypad.height) / 2);
    state_.Tenkey_Left = to_position(keypad_.left());
    state_.Tenkey_Top = to_position(keypad_.top());
    state_.Set_Changed = 1;
}

}  // namespace tastrel
