// The assignment editor: the palette widens into it and back, a click on a
// palette button previews a choice, apply stores it.
#include <cmath>

#include "core/messages.h"
#include "core/vb_number.h"
#include "editor/caption_rules.h"
#include "editor/editor_lists.h"
#include "editor/key_composition.h"
#include "shell/main_form.h"

namespace tastrel {

void MainForm::Set_List_Default() {
    for (const std::string& entry : modifier_entries()) List1.add_item(entry);
    for (const std::string& entry : key_entries()) List2.add_item(entry);
    for (const std::string& entry : caption_entries()) List3.add_item(entry);
}

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
    // In the middle of the work area the palette was on.
    centre_in(services_.screen, *this, services_.screen.work_area_of(window().bounds()));
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
    Btn_Index = no_button;
    if (state_.Edit_Mode != 1) return;
    leave_edit_mode();
    Timer1.set_enabled(true);
}

// The palette's own width and place back, the editor cleared, and the keypad
// open again if it was open before.
void MainForm::leave_edit_mode() {
    set_width(state_.Palette_Width);
    move(state_.Palette_Left, state_.Palette_Top);
    state_.Edit_Mode = 0;
    clear_editor();
    if (state_.Tenkey_Show == switch_on) keypad_.load();
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
    Btn_Index = no_button;
}

// The checks of a preview, in their order; the first that fails names itself.
const char* MainForm::editor_fault() const {
    if (List1.text().empty()) return messages::no_modifier_chosen;
    if (List2.text().empty()) return messages::no_key_chosen;
    return caption_fault(Text1.text(), services_.codec);
}

void MainForm::Try_Key_Setting(host::WindowHandle modeler) {
    if (const char* fault = editor_fault()) {
        // What was ready before belongs to other choices; apply must not store it now.
        Edit_Ready = 0;
        services_.dialogs.message_box(fault);
        return;
    }
    Edit_Ready = 1;
    host::CommandButton& button = *Command1[static_cast<std::size_t>(Btn_Index)];
    button.set_caption(shown_caption(Text1.text()));
    Key_Prefix = key_prefix(List1.list_index());
    Key_Text = key_part(List1.list_index(), List2.list_index());
    button.set_tooltip(tooltip_for(Text1.text()));
    type_into_modeler(modeler, Key_Prefix + Key_Text, Btn_Index);
}

void MainForm::Command2_Click() {
    if (Edit_Ready == 0) {
        services_.dialogs.message_box(messages::nothing_previewed);
        return;
    }
    if (Btn_Index == no_button) {
        services_.dialogs.message_box(messages::no_button_chosen);
        return;
    }
    // The caption may have been edited since the preview: it is checked again.
    if (const char* fault = editor_fault()) {
        services_.dialogs.message_box(fault);
        return;
    }
    const auto slot = static_cast<std::size_t>(Btn_Index);
    state_.Btn_Cmd[slot] = Key_Prefix + Key_Text;
    state_.Btn_Name[slot] = Text1.text();
    show_stored_caption(slot);
    state_.Set_Changed = 1;
    Edit_Ready = 0;
    clear_editor();
}

// Picking a modifier or a key suggests a caption: "C+z", "A+ｶﾝﾏ", "F5".
void MainForm::List1_Click() {
    const std::string modifier = List1.text();
    const std::string prefix = modifier == "CTRL" ? "C+" : modifier == "ALT" ? "A+" : "";
    const std::string key = List2.text();
    Text1.set_text(prefix + (key == "," ? "ｶﾝﾏ" : key));
}

void MainForm::List2_Click() { List1_Click(); }

void MainForm::List3_Click() { Text1.set_text(List3.text()); }

}  // namespace tastrel
