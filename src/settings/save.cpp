// Writing the settings file: from the menu, and at exit after the question.
#include "settings/settings_file.h"
#include "shell/main_form.h"

namespace tastrel {

// A failed save keeps everything in memory and says so; the caller keeps the
// settings marked as changed.
bool MainForm::Save_Setting_Data(const std::string& path) {
    const std::string text = compose_settings_text(state_);
    const std::optional<std::string> bytes = services_.codec.to_ansi(text);
    if (!bytes) {
        services_.dialogs.message_box(
            "設定ﾃﾞｰﾀにこのｼｽﾃﾑで保存できない文字が含まれているため、設定ﾃﾞｰﾀを保存できませんでした。");
        return false;
    }
    if (!services_.files.replace_with(path, *bytes)) {
        services_.dialogs.message_box(
            "設定ﾃﾞｰﾀを保存できませんでした。ﾌｫﾙﾀﾞへの書き込みが禁止されているか、ﾃﾞｨｽｸに空きがありません。\n" +
            path);
        return false;
    }
    return true;
}

void MainForm::Ask_Save() {
    if (state_.Set_Changed != 1) return;
    const host::Answer answer = services_.dialogs.message_box(
        "設定が変更されましたが、設定ﾃﾞｰﾀを保存しますか。", host::app_title, host::Buttons::yes_no_cancel);
    if (answer == host::Answer::yes) {
        // A failed save must not end the program; a saved one is asked about
        // no more, should the program go on (an end of session refused elsewhere).
        const bool saved = Save_Setting_Data(settings_path());
        Unload_Cancel = saved ? 0 : 1;
        if (saved) state_.Set_Changed = 0;
    }
    else if (answer == host::Answer::cancel)
        Unload_Cancel = 1;
    else
        Unload_Cancel = 0;
}

void MainForm::Mnu_Set_Save_Click() {
    capture_positions();
    if (Save_Setting_Data(settings_path())) state_.Set_Changed = 0;
}

}  // namespace tastrel
