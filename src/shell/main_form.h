#pragma once
// Frm_main_01: the palette with its assignment editor, the switches and the
// menus, and the program's start-up and shutdown.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/controls.h"
#include "host/form.h"
#include "host/services.h"
#include "keypad/keypad_form.h"
#include "modeler/modeler_window.h"
#include "places/placement.h"
#include "settings/shared_state.h"
#include "shell/main_controls.h"

namespace tastrel {

class MainForm : public host::Form {
public:
    MainForm(host::Services& services, host::HandlerQueue& handlers, SharedState& state, KeypadForm& keypad,
             ModelerWindow& modeler);

    std::vector<std::unique_ptr<host::CommandButton>> Command1;
    host::CommandButton Cmd_Change, Cmd_Min;
    host::CheckBox Check1, Check2, Chk_Beep, Chk_Tenkey;
    host::ListBox List1, List2, List3;
    host::TextBox Text1;
    host::CommandButton Command2, Command3, Command4, Command5;
    host::Timer Timer1;

    // The editor's state.
    std::int16_t Btn_Index = no_button;
    std::uint8_t Edit_Ready = 0;
    std::string Key_Prefix, Key_Text;
    std::uint8_t Unload_Cancel = 0;

    // Start-up and shutdown.
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& cancel) override;
    void Form_Unload(int& cancel) override;
    bool Session_Ending() override;
    void Session_End(bool ending) override;
    void Cmd_Min_Click();
    void mnu_end_Click();
    void Mnu_About_Click();

    // The settings file.
    void Load_Setting_Data(const std::string& load_file);
    void Check_Settings(std::string_view expected);
    void Set_Default();
    void Mnu_init_Click();
    void Apply_Setting_Data();
    void Set_Button_Caption();
    bool Save_Setting_Data(const std::string& path);
    bool Ask_Save();
    void Mnu_Set_Save_Click();
    void Cmd_Change_Click();
    void Mnu_Set_Read_Click();
    void Mnu_Set_Backup_Click();

    // The windows' places.
    void Mnu_Frm_Pos_Click();
    void Mnu_Tenkey_left_Click();

    // The switches.
    void Check1_Click();
    void Check2_Click();
    void Chk_Beep_Click();
    void Chk_Tenkey_Click();
    void Mnu_Tenkey_Click();
    void Mnu_Tenkey_Off_Click();

    // The palette and the pop-up watch.
    void Command1_Click(int index);
    void Timer1_Timer();

    // The assignment editor.
    void Set_List_Default();
    void Mnu_Set_Change_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void List1_Click();
    void List2_Click();
    void List3_Click();

    // The file in use: a registration in the program's folder, or a file of the user's.
    std::string settings_path() const;
    // Modeler's windows changed: the pop-up watch, when it runs, looks at once.
    void look_at_modeler() { on_timer(main_ui::Timer1); }

protected:
    void Control_Click(int control) override;
    void List_Click(int control) override;
    void Timer_Tick(int control) override;

private:
    bool type_into_modeler(host::WindowHandle modeler, const std::string& keys, int index);
    void Try_Key_Setting(host::WindowHandle modeler);
    const char* editor_fault() const;
    void restore_selected_button();
    // The stored caption on its palette button, "&" shown as itself.
    void show_stored_caption(std::size_t slot);
    void clear_editor();
    void leave_edit_mode();
    void open_keypad(bool open);
    bool put_windows_in_band(host::ZBand band, const char* palette_failed);
    bool take_settings_file(const std::string& data_file, const std::string& bytes);
    void start_registration(const char* data_file);
    void saved_to(const std::string& path);
    bool may_close();
    void apply_loaded_settings(bool keypad_open);
    PlacementContext placement();
    void quit_without_modeler(std::string_view message);
    void keep_running_without_modeler();
    void close_after_keypad_found_modeler_gone();
    // The four position lines of the palette centred on the screen, the keypad at its left.
    void put_centred_layout();
    void capture_positions();

    host::Services& services_;
    SharedState& state_;
    KeypadForm& keypad_;
    ModelerWindow& modeler_;
    // Modeler's absence has been told and the user kept the program running.
    bool modeler_gone_told_ = false;
    // Form_Unload is under way: the keypad's closing must not close the palette again.
    bool closing_ = false;
    // The file in use is there but could not be read: only a save the user
    // asks for writes over it, not the question at the end.
    bool file_unread_ = false;
};

}  // namespace tastrel
