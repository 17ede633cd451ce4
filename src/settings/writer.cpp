#include "settings/settings_file.h"

namespace tastrel {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// What the reader would give back unchanged: nothing it splits at, trims or
// takes for the start of a quoted field.
bool reads_back_bare(std::string_view field) {
    if (field.find_first_of(",\r\n") != std::string_view::npos) return false;
    return field.empty() || (!is_blank(field.front()) && field.front() != '"' && !is_blank(field.back()));
}

// The reader has no escape, so a field holding a quote can only go bare. The
// key of a space goes bare too: the check puts back the space the reader
// drops, and stored files hold it that way.
std::string field_text(std::string_view field, bool is_key = false) {
    if (reads_back_bare(field) || field.find('"') != std::string_view::npos || (is_key && field == "cmd_ "))
        return std::string(field);
    return '"' + std::string(field) + '"';
}

}  // namespace

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

std::string settings_text(const SharedState& s) {
    std::string text;
    auto line = [&text](std::string_view content) {
        text += content;
        text += "\r\n";
    };
    line(field_text(s.Set_Header));
    line(field_text(s.Top_Most));
    for (int i = 0; i < button_count; ++i) line(field_text(s.Set_Cmd[i], true) + "," + field_text(s.Set_Name[i]));
    for (const std::string* item : {&s.Set_Pos_X, &s.Set_Pos_Y, &s.Set_TPos_X, &s.Set_TPos_Y, &s.Popup_Hide,
                                    &s.First_Start, &s.Tenkey_Start, &s.Set_End})
        line(field_text(*item));
    return text;
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
    return settings_text(s);
}

}  // namespace tastrel
