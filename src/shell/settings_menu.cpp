// The settings menu and the registrations: the built-in settings, carrying the
// settings into the windows, saving, and reading or switching settings files.
#include <string>

#include "core/messages.h"
#include "core/utf8.h"
#include "core/vb_number.h"
#include "editor/caption_rules.h"
#include "settings/defaults.h"
#include "settings/registrations.h"
#include "settings/settings_file.h"
#include "shell/main_form.h"

namespace tastrel {

void MainForm::Apply_Setting_Data() {
    take_in_assignments(state_);

    if (const auto band = band_of_switch(state_.Top_Most); band && !put_windows_in_band(*band, messages::topmost_failed))
        return;

    Check1.set_value(switch_value(state_.Top_Most));
    Check2.set_value(switch_value(state_.Popup_Hide));
    Chk_Tenkey.set_value(switch_value(state_.Tenkey_Start));

    if (switch_value(state_.First_Start) == 1) {
        put_centred_layout();
        state_.First_Start = switch_off;
    }

    take_in_positions(state_);

    // Each window moves once: a move of a shown window waits for the window
    // manager.
    keypad_.move(state_.Tenkey_Left, state_.Tenkey_Top);
    move(state_.Main_Left, state_.Main_Top);
}

void MainForm::show_stored_caption(std::size_t slot) {
    Command1[slot]->set_caption(shown_caption(state_.Btn_Name[slot]));
    Command1[slot]->set_tooltip(tooltip_for(state_.Btn_Name[slot]));
}

void MainForm::Set_Button_Caption() {
    for (int i = 0; i < button_count; ++i) show_stored_caption(static_cast<std::size_t>(i));
    const std::optional<std::size_t> registration = registration_of(state_.Data_File);
    Cmd_Change.set_caption(registration ? "登録0" + std::to_string(*registration + 1) : "ﾕｰｻﾞｰ");
}

void MainForm::Set_Default() {
    List1.set_list_index(-1);
    List2.set_list_index(-1);
    Text1.set_text("Default");
    Btn_Index = no_button;
    state_.Set_Changed = 1;
    state_.Set_Header = settings_header;
    state_.Top_Most = switch_on;
    state_.Tenkey_Start = switch_on;
    const auto& table = default_assignments();
    for (int i = 0; i < button_count; ++i) state_.Set_Cmd[i] = table[i].cmd_line;
    for (int i = 0; i < button_count; ++i) state_.Set_Name[i] = table[i].name_line;

    put_centred_layout();
    state_.First_Start = switch_on;
    state_.Popup_Hide = switch_on;
    state_.Set_End = "end";
}

// The keypad's size needs the keypad window, which loading shows.
void MainForm::put_centred_layout() {
    const host::TwipsRect palette = window().bounds();
    const host::TwipsRect keypad = keypad_.window().bounds();
    put_default_positions(state_, {services_.screen.width_twips(), services_.screen.height_twips(), palette.width,
                                   palette.height, keypad.width, keypad.height});
}

void MainForm::Mnu_init_Click() {
    Cmd_Change.set_caption("登録切り替え");
    // The palette's own width must be back before the defaults measure it.
    if (state_.Edit_Mode == 1) leave_edit_mode();
    Set_Default();
    keypad_.unload();
    Apply_Setting_Data();
    Set_Button_Caption();
}

// A failed save keeps everything in memory and says so; the caller keeps the
// settings marked as changed.
bool MainForm::Save_Setting_Data(const std::string& path) {
    const std::string text = compose_settings_text(state_);
    const std::optional<std::string> bytes = services_.codec.to_ansi(text);
    if (!bytes) {
        services_.dialogs.message_box(messages::unsavable_characters);
        return false;
    }
    if (!services_.files.replace_with(path, *bytes)) {
        services_.dialogs.message_box(messages::save_failed + path);
        return false;
    }
    return true;
}

// True when the program may close: nothing to save, saved, or No. A failed
// save must not end the program; a saved one is asked about no more, should
// the program go on (an end of session refused elsewhere).
bool MainForm::Ask_Save() {
    if (state_.Set_Changed != 1 || file_unread_) return true;
    const host::Answer answer =
        services_.dialogs.message_box(messages::save_question, host::app_title, host::Buttons::yes_no_cancel);
    if (answer == host::Answer::cancel) return false;
    if (answer != host::Answer::yes) return true;
    if (!Save_Setting_Data(settings_path())) return false;
    state_.Set_Changed = 0;
    return true;
}

void MainForm::Mnu_Set_Save_Click() {
    capture_positions();
    if (Save_Setting_Data(settings_path())) saved_to(settings_path());
}

// The file in use now holds the settings in use.
void MainForm::saved_to(const std::string& path) {
    if (!same_path(path, settings_path())) return;
    state_.Set_Changed = 0;
    file_unread_ = false;
}

// A registration lives in the program's folder; any other file is named whole.
std::string MainForm::settings_path() const {
    const std::string& file = state_.Data_File;
    return registration_of(file) ? services_.app.program_folder() + file : file;
}

// The registrations in turn after the one in use (from a file of the
// user's, from the first). One that cannot be read or is no settings file
// is told and passed over: every other stays in reach.
void MainForm::Cmd_Change_Click() {
    const std::optional<std::size_t> current = registration_of(state_.Data_File);
    for (std::size_t step = 1; step <= registrations.size(); ++step) {
        const std::size_t next = current ? (*current + step) % registrations.size() : step - 1;
        if (next == current) return;  // round to the one in use
        const std::string path = services_.app.program_folder() + registrations[next];
        const std::optional<std::string> bytes = services_.files.read_all(path);
        if (!bytes && !services_.files.exists(path)) return start_registration(registrations[next]);
        if (bytes && take_settings_file(registrations[next], *bytes)) return;
        services_.dialogs.message_box(std::string(bytes ? messages::not_a_settings_file : messages::settings_unreadable) +
                                      "\n" + path);
    }
}

// A registration used for the first time starts from the built-in settings.
void MainForm::start_registration(const char* data_file) {
    if (!may_close()) return;
    if (state_.Edit_Mode == 1) leave_edit_mode();
    services_.dialogs.message_box(messages::settings_missing);
    state_.Data_File = data_file;
    file_unread_ = false;
    const bool keypad_open = keypad_.loaded();  // the built-in layout measures the keypad, loading it
    Set_Default();
    apply_loaded_settings(keypad_open);
    state_.Set_Changed = 1;
}

void MainForm::Mnu_Set_Read_Click() {
    const std::string folder = services_.app.program_folder();
    const std::optional<std::string> path = services_.dialogs.choose_file_to_open(folder);
    if (!path) return;
    // One of the registrations chosen by its path is that registration.
    std::string data_file = *path;
    for (const char* name : registrations)
        if (same_path(*path, folder + name)) data_file = name;
    const std::optional<std::string> bytes = services_.files.read_all(*path);
    if (bytes && take_settings_file(data_file, *bytes)) return;
    const bool unreadable = !bytes && services_.files.exists(*path);
    services_.dialogs.message_box(std::string(unreadable ? messages::settings_unreadable : messages::not_a_settings_file) +
                                  messages::settings_kept + "\n" + *path);
}

// A copy: the settings in use stay tied to their own file, which is saved
// only when the copy replaces it.
void MainForm::Mnu_Set_Backup_Click() {
    const std::string current = settings_path();
    const std::string name = current.substr(current.find_last_of('\\') + 1);
    const std::optional<std::string> path =
        services_.dialogs.choose_file_to_save(services_.app.program_folder(), name);
    if (!path) return;
    capture_positions();
    if (Save_Setting_Data(*path)) saved_to(*path);
}

// Checks the file's text first: false when it is no settings file, and
// everything stays as it is. Then unsaved changes are offered for saving,
// as at exit, and Cancel keeps the settings in use.
bool MainForm::take_settings_file(const std::string& data_file, const std::string& bytes) {
    SharedState loaded;
    read_settings_text(services_.codec.from_ansi(bytes), loaded);
    if (first_settings_fault(loaded, settings_header)) return false;
    if (!may_close()) return true;
    if (state_.Edit_Mode == 1) leave_edit_mode();
    take_stored_lines(loaded, state_);
    state_.Data_File = data_file;
    file_unread_ = false;
    apply_loaded_settings(keypad_.loaded());
    return true;
}

// The save question with the positions as they stand, as at every close and
// before the settings in use are replaced; false on Cancel or when the save failed.
bool MainForm::may_close() {
    capture_positions();
    return Ask_Save();
}

// The windows take the new settings; the keypad stays open or closed as it was.
void MainForm::apply_loaded_settings(bool keypad_open) {
    state_.Set_Changed = 0;
    Apply_Setting_Data();
    Set_Button_Caption();
    if (!keypad_open) keypad_.unload();
}

}  // namespace tastrel
