#include "shell/main_form.h"

#include "core/version.h"
#include "modeler/modeler_window.h"
#include "shell/main_layout.h"

namespace tastrel {
namespace {

std::string_view design_text(int id) { return host::layout_of(main_layout(), id).text; }
std::string_view design_tooltip(int id) { return host::layout_of(main_layout(), id).tooltip; }

}  // namespace

MainForm::MainForm(host::Services& services, SharedState& state, KeypadForm& keypad)
    : host::Form(services.forms, host::FormKind::main),
      Cmd_Change(*this, main_ui::Cmd_Change, design_text(main_ui::Cmd_Change)),
      Cmd_Min(*this, main_ui::Cmd_Min, design_text(main_ui::Cmd_Min)),
      Check1(*this, main_ui::Check1, 1, [this] { Check1_Click(); }),
      Check2(*this, main_ui::Check2, 1, [this] { Check2_Click(); }),
      Chk_Beep(*this, main_ui::Chk_Beep, 0, [this] { Chk_Beep_Click(); }),
      Chk_Tenkey(*this, main_ui::Chk_Tenkey, 0, [this] { Chk_Tenkey_Click(); }),
      List1(*this, main_ui::List1),
      List2(*this, main_ui::List2),
      List3(*this, main_ui::List3),
      Text1(*this, main_ui::Text1, design_text(main_ui::Text1)),
      Command2(*this, main_ui::Command2, design_text(main_ui::Command2), design_tooltip(main_ui::Command2)),
      Command3(*this, main_ui::Command3, design_text(main_ui::Command3), design_tooltip(main_ui::Command3)),
      Command4(*this, main_ui::Command4, design_text(main_ui::Command4), design_tooltip(main_ui::Command4)),
      Command5(*this, main_ui::Command5, design_text(main_ui::Command5), design_tooltip(main_ui::Command5)),
      Timer1(*this, main_ui::Timer1, 0, true),
      services_(services),
      state_(state),
      keypad_(keypad) {
    for (int i = 0; i < button_count; ++i)
        Command1.push_back(std::make_unique<host::CommandButton>(*this, i, design_text(i)));
    keypad_.close_program = [this] { close_after_keypad_found_modeler_gone(); };
}

PlacementContext MainForm::placement() {
    return {services_.screen, services_.windows, services_.dialogs, state_.Set_Changed};
}

// Both windows' positions as they stand; a closed keypad keeps its stored
// place. While the editor is shown the palette is widened and centred: its
// own place is the one kept when the editor opened.
void MainForm::capture_positions() {
    if (state_.Edit_Mode == 1) {
        if (state_.Main_Left != state_.Palette_Left || state_.Main_Top != state_.Palette_Top) state_.Set_Changed = 1;
        state_.Main_Left = state_.Palette_Left;
        state_.Main_Top = state_.Palette_Top;
    } else {
        Get_Form_Position(placement(), *this, state_.Main_Left, state_.Main_Top);
    }
    if (keypad_.loaded()) Get_Form_Position(placement(), keypad_, state_.Tenkey_Left, state_.Tenkey_Top);
}

void MainForm::Form_Load() {
    if (services_.app.previous_instance()) {
        services_.dialogs.message_box("本ｿﾌﾄは複数起動できません。", "警告");
        services_.app.end_process();
    }
    // No settings file stays open between events, so there is none to close here.
    state_.Set_Changed = 0;
    state_.Edit_Mode = 0;
    Btn_Index = 99;
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
    if (state_.Tenkey_Start == "1")
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
    else if (state_.Popup_Hide == "1")
        Timer1.set_enabled(true);
}

void MainForm::Form_QueryUnload(int& /*cancel*/) {
    capture_positions();
    Ask_Save();
}

void MainForm::Form_Unload(int& cancel) {
    if (Unload_Cancel == 1) {
        Unload_Cancel = 0;
        cancel = 1;
        return;
    }
    closing_ = true;
    keypad_.unload();
    const host::WindowHandle modeler = Get_Modeler_Hwnd(services_.windows);
    if (modeler != host::no_window)
        services_.windows.activate_app(Modeler_Title_Of(services_.windows, modeler), host::Minimised::leave);
    else if (!modeler_gone_told_)  // the keypad's closing has just said so
        services_.dialogs.message_box(modeler_not_started_message);
    services_.app.end_process();
}

// Windows ending the session closes the program as the close box does: the
// places captured and the save question asked. Cancel refuses the end of
// the session and the program goes on.
bool MainForm::Session_Ending() {
    int cancel = 0;
    Form_QueryUnload(cancel);
    if (Unload_Cancel == 1) {
        Unload_Cancel = 0;
        return false;
    }
    return true;
}

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
    services_.dialogs.message_box(std::string("Tastrel ﾊﾞｰｼﾞｮﾝ ") + version_text +
                                  "\nLightWave Modeler 5.0 / 5.5 / 5.6 用ﾎﾞﾀﾝﾊﾟﾚｯﾄとﾃﾝｷｰ");
}

// Modeler has gone: say so, close the program as the close box would, and end
// it. The watch stops first, so that no tick reports the same again while the
// message is up. Cancel at the save question (or a failed save) keeps the
// program running: it must never lose changes.
void MainForm::quit_without_modeler(std::string_view message) {
    Timer1.set_enabled(false);
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

void MainForm::Control_Click(int control) {
    if (control >= 0 && control <= main_ui::Command1_Last) return Command1_Click(control);
    switch (control) {
    case main_ui::Cmd_Min: return Cmd_Min_Click();
    case main_ui::Mnu_About: return Mnu_About_Click();
    case main_ui::Mnu_init: return Mnu_init_Click();
    case main_ui::Mnu_Tenkey: return Mnu_Tenkey_Click();
    case main_ui::Mnu_Tenkey_Off: return Mnu_Tenkey_Off_Click();
    case main_ui::mnu_end: return mnu_end_Click();
    case main_ui::Mnu_Set_Save: return Mnu_Set_Save_Click();
    case main_ui::Mnu_Set_Change: return Mnu_Set_Change_Click();
    case main_ui::Command2: return Command2_Click();
    case main_ui::Command3: return Command3_Click();
    case main_ui::Command4: return Command4_Click();
    case main_ui::Cmd_Change: return Cmd_Change_Click();
    case main_ui::Mnu_Set_Read: return Mnu_Set_Read_Click();
    case main_ui::Mnu_Set_Backup: return Mnu_Set_Backup_Click();
    case main_ui::Mnu_Frm_Pos: return Mnu_Frm_Pos_Click();
    case main_ui::Mnu_Tenkey_left: return Mnu_Tenkey_left_Click();
    default: return;
    }
}

void MainForm::List_Click(int control) {
    if (control == main_ui::List1) List1_Click();
    if (control == main_ui::List2) List2_Click();
    if (control == main_ui::List3) List3_Click();
}

void MainForm::Timer_Tick(int control) {
    if (control == main_ui::Timer1) Timer1_Timer();
}

}  // namespace tastrel
