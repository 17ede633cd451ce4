// Start-up and shutdown: the start-up sequence with the settings file read
// and checked, minimising, the close with its save question (also when Windows
// ends the session), and what happens when Modeler has gone.
#include "core/messages.h"
#include "core/version.h"
#include "modeler/modeler_window.h"
#include "settings/settings_file.h"
#include "shell/main_form.h"

namespace tastrel {

// Both windows' positions as they stand; a closed keypad keeps its stored
// place. While the editor is shown the palette is widened and centred: its
// own place is the one kept when the editor opened, compared and clamped
// as a place the window stands at.
void MainForm::capture_positions() {
    if (state_.Edit_Mode == 1) {
        const TwipsPerPixel factors = Get_Twips_Per_Pixel(services_.screen);
        capture_place(placement(),
                      {twips_to_pixels(state_.Palette_Left, factors.x), twips_to_pixels(state_.Palette_Top, factors.y)},
                      state_.Main_Left, state_.Main_Top);
    } else {
        Get_Form_Position(placement(), *this, state_.Main_Left, state_.Main_Top);
    }
    if (keypad_.loaded()) Get_Form_Position(placement(), keypad_, state_.Tenkey_Left, state_.Tenkey_Top);
}

void MainForm::Form_Load() {
    if (services_.app.previous_instance()) {
        services_.dialogs.message_box(messages::second_instance, messages::second_instance_title);
        services_.app.end_process();
    }
    // No settings file stays open between events, so there is none to close here.
    state_.Set_Changed = 0;
    state_.Edit_Mode = 0;
    Btn_Index = no_button;
    Edit_Ready = 0;
    Unload_Cancel = 0;
    Cmd_Change.set_caption("登録切り替え");
    state_.Data_File = first_data_file;

    Load_Setting_Data(settings_path());
    Check_Settings(settings_header);
    Apply_Setting_Data();
    Set_Button_Caption();
    Set_List_Default();

    Timer1.set_interval(50);
    Timer1.set_enabled(Check2.value() == 1);
    if (state_.Tenkey_Start == switch_on)
        keypad_.load();
    else
        keypad_.unload();
    state_.Beep_On = 0;
}

void MainForm::Form_Activate() {
    if (window_state() == host::WindowState::minimized) set_window_state(host::WindowState::normal);
}

void MainForm::Cmd_Min_Click() { set_window_state(host::WindowState::minimized); }

void MainForm::Form_Resize() {
    if (window_state() == host::WindowState::minimized)
        Timer1.set_enabled(false);
    else if (state_.Popup_Hide == switch_on)
        Timer1.set_enabled(true);
}

void MainForm::Form_QueryUnload(int& /*cancel*/) { Unload_Cancel = may_close() ? 0 : 1; }

void MainForm::Form_Unload(int& cancel) {
    if (Unload_Cancel == 1) {
        Unload_Cancel = 0;
        cancel = 1;
        return;
    }
    closing_ = true;
    keypad_.unload();
    const host::WindowHandle modeler = modeler_.find();
    if (modeler != host::no_window)
        services_.windows.activate(modeler, host::Minimised::leave);
    else if (!modeler_gone_told_)  // the keypad's closing has just said so
        services_.dialogs.message_box(messages::modeler_not_started);
    services_.app.end_process();
}

// Windows ending the session closes the program as the close box does: the
// places captured and the save question asked. Cancel refuses the end of
// the session and the program goes on.
bool MainForm::Session_Ending() { return may_close(); }

// The session ends: what was to be saved is saved, and nothing is written
// now. When another program refused the end instead, Tastrel goes on as it
// was, unsaved changes still asked about at the next close.
void MainForm::Session_End(bool ending) {
    if (ending) services_.app.end_process();
}

// Cancel at the save prompt keeps the program running here too, as it does
// after the close box: it must never lose changes.
void MainForm::mnu_end_Click() { unload(); }

void MainForm::Mnu_About_Click() {
    services_.dialogs.message_box(messages::about(version_text));
}

// Modeler has gone: say so, close the program as the close box would, and end
// it. Cancel at the save question (or a failed save) keeps the program
// running: it must never lose changes.
void MainForm::quit_without_modeler(std::string_view message) {
    services_.dialogs.message_box(message);
    if (unload()) services_.app.end_process();
    keep_running_without_modeler();
}

// The keypad closed and said Modeler is gone. Within the palette's own close,
// the program ends here, as it always did; otherwise that close runs now.
void MainForm::close_after_keypad_found_modeler_gone() {
    if (closing_) services_.app.end_process();
    modeler_gone_told_ = true;
    if (unload()) services_.app.end_process();
    keep_running_without_modeler();
}

// The user kept the program although Modeler is gone: the palette stays in
// reach, and the watch goes on quietly until Modeler is back.
void MainForm::keep_running_without_modeler() {
    modeler_gone_told_ = true;
    set_visible(true);
    Timer1.set_enabled(Check2.value() == 1);
}

void MainForm::Load_Setting_Data(const std::string& load_file) {
    const std::optional<std::string> bytes = services_.files.read_all(load_file);
    // A file that is there but cannot be read is no fault of the user's:
    // the program runs on the built-in settings and leaves the file alone.
    if (!bytes && services_.files.exists(load_file)) {
        services_.dialogs.message_box(std::string(messages::settings_unreadable) + messages::unread_file_left_alone + "\n" +
                                      load_file);
        file_unread_ = true;
        Set_Default();
        return;
    }
    if (!bytes) {
        services_.dialogs.message_box(messages::settings_missing);
        Set_Default();
        return;
    }
    read_settings_text(services_.codec.from_ansi(*bytes), state_);
}

void MainForm::Check_Settings(std::string_view expected) {
    if (const auto fault = first_settings_fault(state_, expected)) {
        services_.dialogs.message_box(*fault);
        Set_Default();
    }
}

}  // namespace tastrel
