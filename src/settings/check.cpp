#include <string>

#include "core/messages.h"
#include "settings/settings_file.h"

namespace tastrel {
namespace {

bool is_switch(const std::string& text) { return text == switch_on || text == switch_off; }

}  // namespace

std::optional<std::string_view> first_settings_fault(SharedState& s, std::string_view expected_header) {
    if (s.Set_Header != expected_header)
        return messages::bad_header;
    if (!is_switch(s.Top_Most))
        return messages::bad_top_most;
    if (!is_switch(s.Popup_Hide))
        return messages::bad_popup_hide;
    if (!is_switch(s.Tenkey_Start))
        return messages::bad_tenkey_start;

    for (int i = 0; i < button_count; ++i) {
        if (s.Set_Cmd[i] == "cmd_") s.Set_Cmd[i] = "cmd_ ";
        if (!s.Set_Cmd[i].starts_with("cmd_"))
            return messages::bad_command;
        if (!s.Set_Name[i].starts_with("name_"))
            return messages::bad_name;
    }

    if (!s.Set_Pos_X.starts_with("Pos_X"))
        return messages::bad_pos_x;
    if (!s.Set_Pos_Y.starts_with("Pos_Y"))
        return messages::bad_pos_y;
    if (!s.Set_TPos_X.starts_with("TPos_X"))
        return messages::bad_tpos_x;
    if (!s.Set_TPos_Y.starts_with("TPos_Y"))
        return messages::bad_tpos_y;
    if (!is_switch(s.First_Start))
        return messages::bad_first_start;
    return std::nullopt;
}

}  // namespace tastrel
