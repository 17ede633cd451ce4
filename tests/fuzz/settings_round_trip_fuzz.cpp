// Any bytes as a settings file: the reader and the check must come to an end
// without a fault, and what the reader took in, written back, must read as
// the same file. The stored lines as they stand must meet the same
// check and, when they pass, come back equal; saved from the live state as
// the program keeps it, they must give the same keys, captions, switches and
// positions.
#include <cstdint>
#include <cstdlib>
#include <tuple>

#include "latin1_text.h"
#include "settings/settings_file.h"

using namespace tastrel;

namespace {

void expect(bool holds) {
    if (!holds) std::abort();
}

SharedState read(const std::string& text) {
    SharedState state;
    read_settings_text(text, state);
    return state;
}

auto stored_lines(const SharedState& s) {
    return std::tie(s.Set_Header, s.Top_Most, s.Set_Cmd, s.Set_Name, s.Set_Pos_X, s.Set_Pos_Y, s.Set_TPos_X,
                    s.Set_TPos_Y, s.Popup_Hide, s.First_Start, s.Tenkey_Start, s.Set_End);
}

// As the program takes the lines in: what the palette sends and shows, and where the windows stand.
auto live_settings(SharedState& s) {
    take_in_assignments(s);
    take_in_positions(s);
    for (std::string& keys : s.Btn_Cmd) keys = from_file_form(keys);
    return std::tie(s.Btn_Cmd, s.Btn_Name, s.Set_Header, s.Top_Most, s.Popup_Hide, s.First_Start, s.Tenkey_Start,
                    s.Set_End, s.Main_Left, s.Main_Top, s.Tenkey_Left, s.Tenkey_Top);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SharedState read_in = read(latin1_text(data, size)), read_again = read(settings_text(read_in));
    const auto fault = first_settings_fault(read_in, settings_header);
    expect(fault == first_settings_fault(read_again, settings_header));
    if (fault) return 0;
    expect(stored_lines(read_in) == stored_lines(read_again));

    SharedState saved = read_in;
    live_settings(saved);
    SharedState reloaded = read(compose_settings_text(saved));
    expect(!first_settings_fault(reloaded, settings_header) && live_settings(read_in) == live_settings(reloaded));
    return 0;
}
