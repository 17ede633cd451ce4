// The menu items that bring the windows back to their usual places.
#include "core/vb_number.h"
#include "shell/main_form.h"

namespace tastrel {

// Centred on the monitor under the mouse pointer, where the user is looking:
// also the way back for a palette left on a monitor that is gone. In edit
// mode this is where the palette returns when the editor closes.
void MainForm::Mnu_Frm_Pos_Click() {
    const host::TwipsRect monitor = services_.screen.monitor_at_pointer();
    const double palette_width = state_.Edit_Mode == 1 ? state_.Palette_Width : width();
    const double place_left = monitor.left + (monitor.width - palette_width) / 2;
    const double place_top = monitor.top + (monitor.height - height()) / 2;
    if (state_.Edit_Mode == 1) {
        state_.Palette_Left = to_position(place_left);
        state_.Palette_Top = to_position(place_top);
    } else {
        set_left(place_left);
        set_top(place_top);
    }
    state_.Set_Changed = 1;
}

// The keypad's right edge meets the palette's left edge, as in the first
// layout; when that leaves the palette's monitor, it goes to the right.
void MainForm::Mnu_Tenkey_left_Click() {
    Mnu_Tenkey_Click();  // opens the keypad, or refuses while the editor is open
    if (state_.Edit_Mode == 1) return;
    const host::TwipsRect palette = window().bounds();
    const host::TwipsRect keypad = keypad_.window().bounds();
    double keypad_left = palette.left - keypad.width;
    if (keypad_left < services_.screen.monitor_of(palette).left) keypad_left = palette.left + palette.width;
    keypad_.set_left(keypad_left);
    keypad_.set_top(palette.top + (palette.height - keypad.height) / 2);
    state_.Tenkey_Left = to_position(keypad_.left());
    state_.Tenkey_Top = to_position(keypad_.top());
    state_.Set_Changed = 1;
}

}  // namespace tastrel
