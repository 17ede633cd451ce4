// Settings files beyond the start-up one: the three registrations the
// button beside the palette switches between, a copy saved under another
// name, and a file chosen to be read.
#include <algorithm>
#include <cctype>

#include "settings/settings_file.h"
#include "shell/main_form.h"

namespace tastrel {
namespace {

constexpr const char* registrations[] = {"\\lw_m_data_01.txt", "\\lw_m_data_02.txt", "\\lw_m_data_03.txt"};

bool same_path(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// The stored lines of the file; the live state is left to Apply_Setting_Data.
void take_stored_lines(const SharedState& from, SharedState& to) {
    to.Set_Header = from.Set_Header;
    to.Top_Most = from.Top_Most;
    to.Set_Cmd = from.Set_Cmd;
    to.Set_Name = from.Set_Name;
    to.Set_Pos_X = from.Set_Pos_X;
    to.Set_Pos_Y = from.Set_Pos_Y;
    to.Set_TPos_X = from.Set_TPos_X;
    to.Set_TPos_Y = from.Set_TPos_Y;
    to.Popup_Hide = from.Popup_Hide;
    to.First_Start = from.First_Start;
    to.Tenkey_Start = from.Tenkey_Start;
    to.Set_End = from.Set_End;
}

}  // namespace

// A registration lives in the program's folder; any other file is named whole.
std::string MainForm::settings_path() const {
    const std::string& file = state_.Data_File;
    const bool registration = std::any_of(std::begin(registrations), std::end(registrations),
                                          [&](const char* name) { return file == name; });
    return registration ? services_.app.program_folder() + file : file;
}

void MainForm::Cmd_Change_Click() {
    const auto* current = std::find_if(std::begin(registrations), std::end(registrations),
                                       [&](const char* name) { return state_.Data_File == name; });
    // From a file of the user's, the round starts again at the first registration.
    const char* next = current == std::end(registrations) || current + 1 == std::end(registrations)
                           ? registrations[0]
                           : *(current + 1);
    const std::string path = services_.app.program_folder() + next;
    if (const std::optional<std::string> bytes = services_.files.read_all(path)) {
        replace_settings(path, next, *bytes);
        return;
    }
    // A registration used for the first time starts from the built-in settings.
    if (!may_replace_settings()) return;
    if (state_.Edit_Mode == 1) leave_edit_mode();
    services_.dialogs.message_box("ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。");
    state_.Data_File = next;
    Set_Default();
    apply_loaded_settings();
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
    if (!bytes) {
        refuse_settings_file(*path);
        return;
    }
    replace_settings(*path, data_file, *bytes);
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
    if (Save_Setting_Data(*path) && same_path(*path, current)) state_.Set_Changed = 0;
}

// Checks the file's text first: a file that fails leaves everything as it
// is. Then unsaved changes are offered for saving, as at exit.
void MainForm::replace_settings(const std::string& path, const std::string& data_file, const std::string& bytes) {
    SharedState loaded;
    read_settings_text(services_.codec.from_ansi(bytes), loaded);
    if (first_settings_fault(loaded, settings_header)) return refuse_settings_file(path);
    if (!may_replace_settings()) return;
    if (state_.Edit_Mode == 1) leave_edit_mode();
    take_stored_lines(loaded, state_);
    state_.Data_File = data_file;
    apply_loaded_settings();
}

void MainForm::refuse_settings_file(const std::string& path) {
    services_.dialogs.message_box("設定ﾃﾞｰﾀとして読み込めないﾌｧｲﾙです。設定は変更されていません。\n" + path);
}

// The save question with the positions as they stand; false on Cancel or
// when the save failed.
bool MainForm::may_replace_settings() {
    capture_positions();
    Ask_Save();
    if (Unload_Cancel == 0) return true;
    Unload_Cancel = 0;
    return false;
}

// The windows take the new settings; the keypad stays open or closed as it was.
void MainForm::apply_loaded_settings() {
    const bool keypad_open = keypad_.loaded();
    state_.Set_Changed = 0;
    Apply_Setting_Data();
    Set_Button_Caption();
    if (!keypad_open) keypad_.unload();
}

}  // namespace tastrel
