// The always-in-front switch and the pop-up watch's switch.
#include "core/vb_number.h"
#include "shell/main_form.h"

namespace tastrel {

void MainForm::Check1_Click() {
    const auto band = Check1.value() == 0 ? host::ZBand::not_topmost : host::ZBand::topmost;
    // The keypad first; addressing it opens it.
    if (!put_in_band(services_.windows, keypad_, band)) {
        services_.dialogs.message_box("予期せぬｴﾗｰが発生しました。全面表示を中止します。(ﾃﾝｷｰ)");
        return;
    }
    if (!put_in_band(services_.windows, *this, band)) {
        services_.dialogs.message_box("予期せぬｴﾗｰが発生しました。全面表示を中止します。(ﾒｲﾝﾌｫｰﾑ)");
        return;
    }
    const int stored = round_half_even(read_number(state_.Top_Most));
    if (Check1.value() == 0 && stored == 1) {
        state_.Set_Changed = 1;
        state_.Top_Most = "0";
    } else if (Check1.value() != 0 && stored == 0) {
        state_.Set_Changed = 1;
        state_.Top_Most = "1";
    }
}

void MainForm::Check2_Click() {
    const bool on = Check2.value() == 1;
    Timer1.set_enabled(on);
    state_.Popup_Hide = on ? "1" : "0";
}

}  // namespace tastrel
