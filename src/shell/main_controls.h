#pragma once
// Control and menu ids of the main window. Command1(i) has the id i.

namespace tastrel::main_ui {

enum Id : int {
    Command1_Last = 23,
    Cmd_Change = 24,
    Cmd_Min,
    Frame1,
    Check1,
    Frame2,
    Check2,
    Flm_Beep,
    Chk_Beep,
    Flm_Tenkey_On,
    Chk_Tenkey,
    Label1,
    Label2,
    Label3,
    Label4,
    List1,
    List2,
    Text1,
    List3,
    Command2,
    Command3,
    Command4,
    Command5,
    Timer1,

    // Menus: the two entries of the bar, then the items.
    Mnu_Filse = 98,
    Mnu_Setting = 99,
    Mnu_About = 100,
    Mnu_init,
    Mnu_Tenkey,
    Mnu_Tenkey_Off,
    Mnu_Frm_Pos,
    Mnu_Tenkey_left,
    mnu_end,
    Mnu_Set_Change,
    Mnu_Set_Save,
    Mnu_Set_Backup,
    Mnu_Set_Read,
};

}  // namespace tastrel::main_ui
