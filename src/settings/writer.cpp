#include "settings/settings_file.h"

namespace tastrel {

std::string to_file_form(std::string_view key_string) {
    if (key_string == ",") return "!";
    if (key_string == "^(,)") return "^(!)";
    if (key_string == "%(,)") return "%(!)";
    return std::string(key_string);
}

std::string from_file_form(std::string_view stored) {
    if (stored == "!") return ",";
    if (stored == "^(!)") return "^(,)";
    if (stored == "%(!)") return "%(,)";
    return std::string(stored);
}

std::string compose_settings_text(SharedState& s) {
    for (int i = 0; i < button_count; ++i) {
        s.Set_Cmd[i] = "cmd_" + to_file_form(s.Btn_Cmd[i]);
        s.Set_Name[i] = "name_" + s.Btn_Name[i];
    }
    s.Set_Pos_X = "Pos_X" + std::to_string(s.Main_Left);
    s.Set_Pos_Y = "Pos_Y" + std::to_string(s.Main_Top);
    s.Set_TPos_X = "TPos_X" + std::to_string(s.Tenkey_Left);
    s.Set_TPos_Y = "TPos_Y" + std::to_string(s.Tenkey_Top);

    std::string text;
    auto line = [&text](std::string_view content) {
        text += content;
        text += "\r\n";
    };
    line(s.Set_Header);
    line(s.Top_Most);
    for (int i = 0; i < button_count; ++i) line(s.Set_Cmd[i] + "," + s.Set_Name[i]);
    for (const std::string* item : {&s.Set_Pos_X, &s.Set_Pos_Y, &s.Set_TPos_X, &s.Set_TPos_Y, &s.Popup_Hide,
                                    &s.First_Start, &s.Tenkey_Start, &s.Set_End})
        line(*item);
    return text;
}

}  // namespace tastrel
