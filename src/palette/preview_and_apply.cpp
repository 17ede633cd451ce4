// The editor's preview on a palette button, and apply, which stores it.
#include "palette/caption_rules.h"
#include "palette/key_composition.h"
#include "shell/main_form.h"

namespace tastrel {

// The checks of a preview, in their order; the first that fails names itself.
const char* MainForm::editor_fault() const {
    if (List1.text().empty()) return "同時押しｷｰを選択して下さい。";
    if (List2.text().empty()) return "入力ｷｰを選択して下さい。";
    return caption_fault(Text1.text(), services_.codec);
}

void MainForm::Try_Key_Setting() {
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
    type_into_modeler(Key_Prefix + Key_Text, Btn_Index);
}

void MainForm::Command2_Click() {
    if (Edit_Ready == 0) {
        services_.dialogs.message_box("未選択項目があります。");
        return;
    }
    if (Btn_Index == 99) {
        services_.dialogs.message_box("設定変更するﾎﾞﾀﾝを選択して下さい。");
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
