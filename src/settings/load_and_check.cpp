// Reading the settings file at start-up and checking what was read.
#include "settings/settings_file.h"
#include "shell/main_form.h"

namespace tastrel {

void MainForm::Load_Setting_Data(const std::string& load_file) {
    const std::optional<std::string> bytes = services_.files.read_all(load_file);
    if (!bytes) {
        services_.dialogs.message_box("ｾｯﾃｨﾝｸﾞﾃﾞｰﾀが見つかりませんのでﾃﾞﾌｫﾙﾄｾｯﾃｨﾝｸﾞします。");
        Set_Default();
        return;
    }
    read_settings_text(services_.codec.from_ansi(*bytes), state_);
}

void MainForm::Check_Settings(std::string_view expected) {
    if (const auto fault = first_settings_fault(state_, expected)) {
        services_.dialogs.message_box(*fault);
        Set_Default();
    }
}

}  // namespace tastrel
