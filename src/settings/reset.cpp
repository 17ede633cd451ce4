// The built-in settings put in place: after a missing or damaged file, and
// from the menu "設定の初期化".
#include "settings/defaults.h"
#include "shell/main_form.h"

namespace tastrel {

void MainForm::Set_Default() {
    List1.set_list_index(-1);
    List2.set_list_index(-1);
    Text1.set_text("Default");
    Btn_Index = 99;
    state_.Set_Changed = 1;
    state_.Set_Header = settings_header;
    state_.Top_Most = "1";
    state_.Tenkey_Start = "1";
    const auto& table = default_assignments();
    for (int i = 0; i < button_count; ++i) state_.Set_Cmd[i] = table[i].cmd_line;
    for (int i = 0; i < button_count; ++i) state_.Set_Name[i] = table[i].name_line;

    put_centred_layout();
    state_.First_Start = "1";
    state_.Popup_Hide = "1";
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

}  // namespace tastrel
