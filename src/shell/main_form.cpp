#include "shell/main_form.h"

#include "shell/main_layout.h"

namespace tastrel {
namespace {

std::string_view design_text(int id) { return host::layout_of(main_layout(), id).text; }
std::string_view design_tooltip(int id) { return host::layout_of(main_layout(), id).tooltip; }

}  // namespace

MainForm::MainForm(host::Services& services, host::HandlerQueue& handlers, SharedState& state, KeypadForm& keypad,
                   ModelerWindow& modeler)
    : host::Form(services.forms, handlers, main_layout()),
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
      keypad_(keypad),
      modeler_(modeler) {
    for (int i = 0; i < button_count; ++i)
        Command1.push_back(std::make_unique<host::CommandButton>(*this, i, design_text(i)));
    keypad_.close_program = [this] { close_after_keypad_found_modeler_gone(); };
}

PlacementContext MainForm::placement() {
    return {services_.screen, services_.windows, services_.dialogs, state_.Set_Changed};
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
