#pragma once
// The shared state of Standard_module_02: the stored lines of the settings
// file, the live key strings and captions, the window positions and the flags.
#include <array>
#include <cstdint>
#include <string>

#include "core/switch_text.h"

namespace tastrel {

inline constexpr int button_count = 24;
// Btn_Index while no palette button is chosen in the editor.
inline constexpr std::int16_t no_button = 99;

struct SharedState {
    // Stored forms, as the lines stand in the file.
    std::string Set_Header;
    std::string Top_Most;
    std::array<std::string, button_count> Set_Cmd;
    std::array<std::string, button_count> Set_Name;
    std::string Set_Pos_X, Set_Pos_Y, Set_TPos_X, Set_TPos_Y;
    std::string Popup_Hide;
    std::string First_Start;
    std::string Tenkey_Start;
    std::string Set_End;

    // Live key strings and captions, the ones the palette sends and shows.
    std::array<std::string, button_count> Btn_Cmd;
    std::array<std::string, button_count> Btn_Name;

    // Window positions in twips.
    std::int16_t Main_Left = 0, Main_Top = 0;
    std::int16_t Tenkey_Left = 0, Tenkey_Top = 0;

    std::int16_t Set_Changed = 0;
    std::uint8_t Edit_Mode = 0;
    std::string Tenkey_Show;
    std::uint8_t Beep_On = 0;
    // The palette's width and place, kept while the editor is open.
    std::int16_t Palette_Width = 0, Palette_Left = 0, Palette_Top = 0;
    std::string Data_File;
};

inline constexpr const char* settings_header = "lw_modeler_setting_01";
inline constexpr const char* first_data_file = "\\lw_m_data_01.txt";

}  // namespace tastrel
