// Any bytes as a settings file: the reader and the check must come to an end
// without a fault, and a file that passes must survive a save and a load.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/utf8.h"
#include "settings/settings_file.h"

using namespace tastrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The code page always hands the reader valid UTF-8: the bytes are read as Latin-1.
    std::string text;
    for (std::size_t i = 0; i < size; ++i)
        text += data[i] < 0x80 ? std::string(1, static_cast<char>(data[i]))
                               : std::string{static_cast<char>(0xC0 | (data[i] >> 6)), static_cast<char>(0x80 | (data[i] & 0x3F))};
    SharedState state;
    read_settings_text(text, state);
    if (first_settings_fault(state, settings_header)) return 0;
    for (int i = 0; i < button_count; ++i) {  // as the program takes them in
        state.Btn_Cmd[i] = drop_chars(state.Set_Cmd[i], 4);
        state.Btn_Name[i] = drop_chars(state.Set_Name[i], 5);
    }
    SharedState reloaded;
    read_settings_text(compose_settings_text(state), reloaded);
    if (first_settings_fault(reloaded, settings_header)) std::abort();
    for (int i = 0; i < button_count; ++i)
        if (drop_chars(reloaded.Set_Cmd[i], 4) != state.Btn_Cmd[i] || drop_chars(reloaded.Set_Name[i], 5) != state.Btn_Name[i])
            std::abort();
    if (reloaded.Set_Pos_X != state.Set_Pos_X || reloaded.Set_TPos_Y != state.Set_TPos_Y) std::abort();
    return 0;
}
