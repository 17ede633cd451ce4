// Edit mode: the palette widens into the assignment editor and back.
#include <cmath>

#include "core/vb_number.h"
#include "palette/caption_rules.h"
#include "shell/main_form.h"

namespace tastrel {

void MainForm::Mnu_Set_Change_Click() {
    if (state_.Edit_Mode == 1) return;
    // The keypad closes while editing; Tenkey_Show, which closing clears,
    // keeps whether to reopen it.
    const std::string keypad_shown = state_.Tenkey_Show;
    keypad_.unload();
    state_.Tenkey_Show = keypad_shown;
    state_.Palette_Width = to_position(width());
    state_.Palette_Left = to_position(left());
    state_.Palette_Top = to_position(top());
    set_width(std::floor(width() * 3.3));
    set_left((services_.screen.width_twips() - width()) / 2);
    set_top((services_.screen.height_twips() - height()) / 2);
    state_.Edit_Mode = 1;
    // Last: the widening's resize handling may have switched the watch on.
    Timer1.set_enabled(false);
}

void MainForm::Command3_Click() {
    restore_selected_button();
    clear_editor();
}

void MainForm::Command4_Click() {
    restore_selected_button();
    Btn_Index = 99;
    if (state_.Edit_Mode != 1) return;
    leave_edit_mode();
    Timer1.set_enabled(true);
}

// The palette's own width and place back, the editor cleared, and the keypad
// open again if it was open before.
void MainForm::leave_edit_mode() {
    set_width(state_.Palette_Width);
    set_left(state_.Palette_Left);
    set_top(state_.Palette_Top);
    state_.Edit_Mode = 0;
    clear_editor();
    if (state_.Tenkey_Show == "1") keypad_.load();
}

// The button last previewed shows its stored caption again, taken as it is:
// a stored "&" stays "&" here.
void MainForm::restore_selected_button() {
    if (Btn_Index < 0 || Btn_Index >= button_count) return;
    const std::string& name = state_.Btn_Name[static_cast<std::size_t>(Btn_Index)];
    Command1[static_cast<std::size_t>(Btn_Index)]->set_caption(name);
    Command1[static_cast<std::size_t>(Btn_Index)]->set_tooltip(tooltip_for(name));
}

void MainForm::clear_editor() {
    List1.set_list_index(-1);
    List2.set_list_index(-1);
    List3.set_list_index(-1);
    Text1.set_text(no_caption);
    Btn_Index = 99;
}

}  // namespace tastrel
