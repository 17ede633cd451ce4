// The main window's switches: always in front, the pop-up watch, and the
// keypad's switch and menu items.
#include "core/messages.h"
#include "shell/main_form.h"

namespace tastrel {

void MainForm::Check1_Click() {
    const auto band = Check1.value() == 0 ? host::ZBand::not_topmost : host::ZBand::topmost;
    if (!put_windows_in_band(band, messages::topmost_failed_palette)) return;
    const int stored = switch_value(state_.Top_Most);
    if (Check1.value() == 0 && stored == 1) {
        state_.Set_Changed = 1;
        state_.Top_Most = switch_off;
    } else if (Check1.value() != 0 && stored == 0) {
        state_.Set_Changed = 1;
        state_.Top_Most = switch_on;
    }
}

// The keypad first, as addressing it opens it, then the palette; the palette's
// refusal has its own message, which differs between start-up and the switch.
bool MainForm::put_windows_in_band(host::ZBand band, const char* palette_failed) {
    if (!put_in_band(services_.windows, keypad_, band)) {
        services_.dialogs.message_box(messages::topmost_failed_keypad);
        return false;
    }
    if (!put_in_band(services_.windows, *this, band)) {
        services_.dialogs.message_box(palette_failed);
        return false;
    }
    return true;
}

void MainForm::Check2_Click() {
    const bool on = Check2.value() == 1;
    Timer1.set_enabled(on);
    state_.Popup_Hide = switch_text(on);
}

void MainForm::Chk_Tenkey_Click() { state_.Tenkey_Start = switch_text(Chk_Tenkey.value() == 1); }

void MainForm::Mnu_Tenkey_Click() { open_keypad(true); }

void MainForm::Mnu_Tenkey_Off_Click() { open_keypad(false); }

// The keypad's menu items do nothing but say so while the editor is shown.
void MainForm::open_keypad(bool open) {
    if (state_.Edit_Mode == 1) {
        services_.dialogs.message_box(messages::keypad_locked);
        return;
    }
    if (open)
        keypad_.load();
    else
        keypad_.unload();
    state_.Tenkey_Show = switch_text(open);
}

}  // namespace tastrel
