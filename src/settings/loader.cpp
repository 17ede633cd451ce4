#include "core/utf8.h"
#include "core/vb_number.h"
#include "settings/field_reader.h"
#include "settings/settings_file.h"

namespace tastrel {

void read_settings_text(std::string_view text, SharedState& state) {
    FieldReader reader(text);
    std::string* const tail[] = {&state.Set_Pos_X,  &state.Set_Pos_Y,   &state.Set_TPos_X,
                                 &state.Set_TPos_Y, &state.Popup_Hide,  &state.First_Start,
                                 &state.Tenkey_Start, &state.Set_End};
    for (int item = 1; item <= 34 && !reader.at_end(); ++item) {
        if (item == 1) {
            state.Set_Header = reader.next();
        } else if (item == 2) {
            state.Top_Most = reader.next();
        } else if (item <= 26) {
            state.Set_Cmd[item - 3] = reader.next();
            // The second field of a button line may be missing at the end of the file.
            if (!reader.at_end()) state.Set_Name[item - 3] = reader.next();
        } else {
            *tail[item - 27] = reader.next();
        }
    }
}

void take_in_assignments(SharedState& s) {
    for (int i = 0; i < button_count; ++i) {
        s.Btn_Cmd[i] = drop_chars(s.Set_Cmd[i], 4);
        s.Btn_Name[i] = drop_chars(s.Set_Name[i], 5);
    }
}

void take_in_positions(SharedState& s) {
    s.Main_Left = to_position(read_number(drop_chars(s.Set_Pos_X, 5)));
    s.Main_Top = to_position(read_number(drop_chars(s.Set_Pos_Y, 5)));
    s.Tenkey_Left = to_position(read_number(drop_chars(s.Set_TPos_X, 6)));
    s.Tenkey_Top = to_position(read_number(drop_chars(s.Set_TPos_Y, 6)));
}

}  // namespace tastrel
