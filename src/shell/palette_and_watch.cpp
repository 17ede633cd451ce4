// The palette: a click brings Modeler to the front and types the button's key
// string; the pop-up watch steps the palette aside while Modeler shows a dialog.
#include "core/messages.h"
#include "core/utf8.h"
#include "keys/send_key_string.h"
#include "modeler/modeler_window.h"
#include "settings/settings_file.h"
#include "shell/main_form.h"

namespace tastrel {

void MainForm::Command1_Click(int index) {
    const host::WindowHandle modeler = modeler_.find();
    if (modeler == host::no_window) return quit_without_modeler(messages::modeler_not_started);
    modeler_gone_told_ = false;
    if (state_.Edit_Mode == 1) {
        Btn_Index = static_cast<std::int16_t>(index);
        return Try_Key_Setting(modeler);
    }

    std::string& keys = state_.Btn_Cmd[static_cast<std::size_t>(index)];
    keys = from_file_form(keys);
    // The watch goes on after any click; the beep tells only of keys sent.
    const bool sent = type_into_modeler(modeler, keys, index);
    if (state_.Popup_Hide == switch_on) Timer1.set_enabled(true);
    if (sent && state_.Beep_On == 1) services_.app.beep();
}

// Keys go to Modeler only: when it does not come to the front, nothing is
// typed, and the user is told why. True when every key went out.
bool MainForm::type_into_modeler(host::WindowHandle modeler, const std::string& keys, int index) {
    if (!services_.windows.activate(modeler, host::Minimised::restore)) {
        if (modeler_.find() == host::no_window)
            quit_without_modeler(messages::modeler_not_started);
        else
            services_.dialogs.message_box(messages::modeler_not_responding);
        return false;
    }
    switch (send_key_string(services_.keys, keys, modeler)) {
    case host::SendOutcome::sent: return true;
    case host::SendOutcome::elsewhere: services_.dialogs.message_box(messages::other_window_in_front); return false;
    case host::SendOutcome::invalid:
        services_.dialogs.message_box(
            messages::bad_key_string(index + 1, state_.Btn_Name[static_cast<std::size_t>(index)], keys));
        return false;
    case host::SendOutcome::incomplete: services_.dialogs.message_box(messages::keys_blocked); return false;
    }
    return false;
}

void MainForm::Chk_Beep_Click() { state_.Beep_On = Chk_Beep.value() == 1 ? 1 : 0; }

void MainForm::Timer1_Timer() {
    const host::WindowHandle modeler = modeler_.current();
    if (modeler == host::no_window) {
        // Said once: the user chose to keep the program; it waits for Modeler.
        if (modeler_gone_told_) return;
        return quit_without_modeler(messages::modeler_not_running);
    }
    modeler_gone_told_ = false;

    const host::WindowHandle popup = modeler_.current_popup();
    if (popup == host::no_window) {
        Timer1.set_enabled(false);
        services_.dialogs.message_box(messages::popup_query_failed);
        // The watch ends here: a palette it hid must not stay out of reach.
        if (!visible()) set_visible(true);
        return;
    }
    const bool dialog_open = popup != modeler;
    if (visible() == dialog_open) set_visible(!dialog_open);
    if (!dialog_open && Check2.value() != 1) Timer1.set_enabled(false);
}

}  // namespace tastrel
