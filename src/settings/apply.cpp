// Carrying the stored settings into the live key strings, the captions, the
// switches and the windows' places.
#include "core/utf8.h"
#include "core/vb_number.h"
#include "palette/caption_rules.h"
#include "shell/main_form.h"

namespace tastrel {
namespace {

// A stored switch read as a number, as the check boxes take it.
int switch_value(const std::string& text) { return round_half_even(read_number(text)); }

}  // namespace

void MainForm::Apply_Setting_Data() {
    for (int i = 0; i < button_count; ++i) {
        state_.Btn_Cmd[i] = drop_chars(state_.Set_Cmd[i], 4);
        state_.Btn_Name[i] = drop_chars(state_.Set_Name[i], 5);
    }

    if (const auto band = band_of_switch(state_.Top_Most)) {
        if (!put_in_band(services_.windows, keypad_, *band)) {
            services_.dialogs.message_box("予期せぬｴﾗｰが発生しました。全面表示を中止します。(ﾃﾝｷｰ)");
            return;
        }
        if (!put_in_band(services_.windows, *this, *band)) {
            services_.dialogs.message_box("予期せぬｴﾗｰが発生しました。全面表示を中止します。");
            return;
        }
    }

    Check1.set_value(switch_value(state_.Top_Most));
    Check2.set_value(switch_value(state_.Popup_Hide));
    Chk_Tenkey.set_value(switch_value(state_.Tenkey_Start));

    if (switch_value(state_.First_Start) == 1) {
        put_centred_layout();
        state_.First_Start = "0";
    }

    state_.Main_Left = to_position(read_number(drop_chars(state_.Set_Pos_X, 5)));
    state_.Main_Top = to_position(read_number(drop_chars(state_.Set_Pos_Y, 5)));
    state_.Tenkey_Left = to_position(read_number(drop_chars(state_.Set_TPos_X, 6)));
    state_.Tenkey_Top = to_position(read_number(drop_chars(state_.Set_TPos_Y, 6)));

    keypad_.set_left(state_.Tenkey_Left);
    keypad_.set_top(state_.Tenkey_Top);
    set_left(state_.Main_Left);
    set_top(state_.Main_Top);
}

void MainForm::show_stored_caption(std::size_t slot) {
    Command1[slot]->set_caption(shown_caption(state_.Btn_Name[slot]));
    Command1[slot]->set_tooltip(tooltip_for(state_.Btn_Name[slot]));
}

void MainForm::Set_Button_Caption() {
    for (int i = 0; i < button_count; ++i) show_stored_caption(static_cast<std::size_t>(i));
    const std::string& file = state_.Data_File;
    Cmd_Change.set_caption(file == "\\lw_m_data_01.txt"   ? "登録01"
                           : file == "\\lw_m_data_02.txt" ? "登録02"
                           : file == "\\lw_m_data_03.txt" ? "登録03"
                                                          : "ﾕｰｻﾞｰ");
}

}  // namespace tastrel
