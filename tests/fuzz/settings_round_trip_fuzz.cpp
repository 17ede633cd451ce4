// Any bytes as a settings file: what the reader took in, written back, must
// read as the same file. The stored lines as they stand must meet the same
// check and, when they pass, come back equal; saved from the live state as
// the program keeps it, they must give the same keys, captions, switches and
// positions.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>

#include "latin1_text.h"
#include "settings/settings_file.h"

using namespace tastrel;

namespace {

void expect(bool holds) {
    if (!holds) std::abort();
}

struct Checked {
    SharedState state;
    std::optional<std::string_view> fault;
};

Checked read_and_check(const std::string& text) {
    Checked checked;
    read_settings_text(text, checked.state);
    checked.fault = first_settings_fault(checked.state, settings_header);
    return checked;
}

void take_in(SharedState& s) {
    take_in_assignments(s);
    take_in_positions(s);
}

auto stored_lines(const SharedState& s) {
    return std::tie(s.Set_Header, s.Top_Most, s.Set_Cmd, s.Set_Name, s.Set_Pos_X, s.Set_Pos_Y, s.Set_TPos_X,
                    s.Set_TPos_Y, s.Popup_Hide, s.First_Start, s.Tenkey_Start, s.Set_End);
}

// What the palette sends and shows, and where the windows stand.
bool same_live_settings(const SharedState& a, const SharedState& b) {
    for (int i = 0; i < button_count; ++i)
        if (from_file_form(a.Btn_Cmd[i]) != from_file_form(b.Btn_Cmd[i])) return false;
    auto live = [](const SharedState& s) {
        return std::tie(s.Btn_Name, s.Set_Header, s.Top_Most, s.Popup_Hide, s.First_Start, s.Tenkey_Start, s.Set_End,
                        s.Main_Left, s.Main_Top, s.Tenkey_Left, s.Tenkey_Top);
    };
    return live(a) == live(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SharedState read_in;
    read_settings_text(latin1_text(data, size), read_in);
    const Checked read_again = read_and_check(settings_text(read_in));
    const std::optional<std::string_view> fault = first_settings_fault(read_in, settings_header);
    expect(fault == read_again.fault);
    if (fault) return 0;
    expect(stored_lines(read_in) == stored_lines(read_again.state));

    take_in(read_in);
    SharedState saved = read_in;
    Checked reloaded = read_and_check(compose_settings_text(saved));
    expect(!reloaded.fault);
    take_in(reloaded.state);
    expect(same_live_settings(read_in, reloaded.state));
    return 0;
}
