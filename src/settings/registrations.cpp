#include "settings/registrations.h"

#include <algorithm>
#include <cctype>

namespace tastrel {

std::optional<std::size_t> registration_of(std::string_view data_file) {
    const auto found = std::find(registrations.begin(), registrations.end(), data_file);
    if (found == registrations.end()) return std::nullopt;
    return static_cast<std::size_t>(found - registrations.begin());
}

bool same_path(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

void take_stored_lines(const SharedState& from, SharedState& to) {
    to.Set_Header = from.Set_Header;
    to.Top_Most = from.Top_Most;
    to.Set_Cmd = from.Set_Cmd;
    to.Set_Name = from.Set_Name;
    to.Set_Pos_X = from.Set_Pos_X;
    to.Set_Pos_Y = from.Set_Pos_Y;
    to.Set_TPos_X = from.Set_TPos_X;
    to.Set_TPos_Y = from.Set_TPos_Y;
    to.Popup_Hide = from.Popup_Hide;
    to.First_Start = from.First_Start;
    to.Tenkey_Start = from.Tenkey_Start;
    to.Set_End = from.Set_End;
}

}  // namespace tastrel
