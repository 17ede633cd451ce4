// The main window's controls that open, close or configure the keypad.
#include "shell/main_form.h"

namespace tastrel {
void MainForm::Chk_Tenkey_Click() { state_.Tenkey_Start = Chk_Tenkey.value() == 1 ? "1" : "0"; }

void MainForm::Mnu_Tenkey_Click() {
    if (state_.Edit_Mode == 1) {
        services_.dialogs.message_box(keypad_locked_message);
        return;
    }
    keypad_.load();
    state_.Tenkey_Show = "1";
}

void MainForm::Mnu_Tenkey_Off_Click() {
    if (state_.Edit_Mode == 1) {
        services_.dialogs.message_box(keypad_locked_message);
        return;
    }
    keypad_.unload();
    state_.Tenkey_Show = "0";
}

}  // namespace tastrel
