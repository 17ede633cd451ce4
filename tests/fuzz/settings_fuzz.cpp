// Any bytes as a settings file: the reader and the check must come to an end
// without a fault, and a file that passes must survive a save and a load.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/utf8.h"
#include "core/vb_number.h"
#include "settings/settings_file.h"

using namespace tastrel;

// The code page always hands the reader valid UTF-8: decode the bytes as Latin-1.
static std::string decoded(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] < 0x80) {
            text += static_cast<char>(data[i]);
        } else {
            text += static_cast<char>(0xC0 | (data[i] >> 6));
            text += static_cast<char>(0x80 | (data[i] & 0x3F));
        }
    }
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = decoded(data, size);
    SharedState state;
    read_settings_text(text, state);
    if (first_settings_fault(state, settings_header)) return 0;

    for (int i = 0; i < button_count; ++i) {
        state.Btn_Cmd[i] = drop_chars(state.Set_Cmd[i], 4);
        state.Btn_Name[i] = drop_chars(state.Set_Name[i], 5);
    }
    state.Main_Left = to_position(read_number(drop_chars(state.Set_Pos_X, 5)));
    state.Main_Top = to_position(read_number(drop_chars(state.Set_Pos_Y, 5)));
    state.Tenkey_Left = to_position(read_number(drop_chars(state.Set_TPos_X, 6)));
    state.Tenkey_Top = to_position(read_number(drop_chars(state.Set_TPos_Y, 6)));

    SharedState reloaded;
    read_settings_text(compose_settings_text(state), reloaded);
    if (first_settings_fault(reloaded, settings_header)) std::abort();
    for (int i = 0; i < button_count; ++i)
        if (drop_chars(reloaded.Set_Cmd[i], 4) != state.Btn_Cmd[i] ||
            drop_chars(reloaded.Set_Name[i], 5) != state.Btn_Name[i])
            std::abort();
    if (reloaded.Set_Pos_X != state.Set_Pos_X || reloaded.Set_TPos_Y != state.Set_TPos_Y) std::abort();
    return 0;
}
