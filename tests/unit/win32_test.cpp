// What the Windows host does when the system fails it: the key injector
// against a recorder in place of SendInput that may take only a leading part
// of a call, as SendInput does when other input or a block cuts it short;
// a form's window procedure reached by a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include <windows.h>

#include "keypad/keypad_layout.h"
#include "keys/key_string.h"
#include "win32/form_window.h"
#include "win32/key_injector.h"
#include "win32/screen_metrics.h"

namespace tastrel::win32 {
namespace {

std::vector<std::string> calls;  // each call's records: "11↓ 10↓ 71↓", "U+D834↑"
UINT first_call_takes = 0;

UINT WINAPI record_send_input(UINT count, LPINPUT inputs, int) {
    std::string records;
    for (const INPUT& input : std::span(inputs, count)) {
        const bool unicode = (input.ki.dwFlags & KEYEVENTF_UNICODE) != 0;
        char record[16];
        std::snprintf(record, sizeof record, unicode ? "U+%04X%s " : "%02X%s ", unicode ? input.ki.wScan : input.ki.wVk,
                      (input.ki.dwFlags & KEYEVENTF_KEYUP) ? "↑" : "↓");
        records += record;
    }
    calls.push_back(records.substr(0, records.size() - 1));
    return calls.size() == 1 ? first_call_takes : count;
}

// Whatever a cut-short send left down goes up, in one more call. CTRL is 11, SHIFT 10, F2 71.
TEST(Win32KeyInjector, ReleasesWhatASendCutShortLeftDown) {
    const struct {
        const char* keys;
        UINT taken;
        std::vector<std::string> calls;
    } cases[] = {
        {"^+{F2}", 6, {"11↓ 10↓ 71↓ 71↑ 10↑ 11↑"}},
        {"^+{F2}", 0, {"11↓ 10↓ 71↓ 71↑ 10↑ 11↑"}},
        {"^+{F2}", 2, {"11↓ 10↓ 71↓ 71↑ 10↑ 11↑", "10↑ 11↑"}},
        {"^+{F2}", 3, {"11↓ 10↓ 71↓ 71↑ 10↑ 11↑", "71↑ 10↑ 11↑"}},
        {"^+{F2}", 5, {"11↓ 10↓ 71↓ 71↑ 10↑ 11↑", "11↑"}},
        // One character outside the Basic Multilingual Plane takes two records a press.
        {"\U0001D11E", 1, {"U+D834↓ U+DD1E↓ U+D834↑ U+DD1E↑"}},
        {"\U0001D11E", 2, {"U+D834↓ U+DD1E↓ U+D834↑ U+DD1E↑", "U+D834↑ U+DD1E↑"}},
        {"\U0001D11E", 3, {"U+D834↓ U+DD1E↓ U+D834↑ U+DD1E↑", "U+D834↑ U+DD1E↑"}},
    };
    const SendInputInjector injector(GetDesktopWindow(), record_send_input);
    for (const auto& c : cases) {
        const keys::ParseResult parsed = keys::parse_key_string(c.keys, injector);
        ASSERT_TRUE(parsed.ok()) << c.keys;
        calls.clear();
        first_call_takes = c.taken;
        const SendResult sent = injector.send(parsed.events());
        EXPECT_EQ(sent.inserted, c.taken) << c.keys;
        EXPECT_EQ(calls, c.calls) << c.keys << ", " << c.taken << " taken";
    }
}

// A failure that gets past the program's handlers to the window procedure is
// told, and the window goes on. Resizing runs outside the handler queue, as
// the program's own calls resize too.
TEST(Win32FormWindow, AFailureThatReachesTheWindowProcedureIsTold) {
    struct FailingResize : host::FormEvents {
        void on_resize() override { throw std::runtime_error("resize failed"); }
    } events;
    std::vector<std::string> told;
    const Win32Screen screen;
    Win32FormFactory factory(screen, Win32FormFactory::Controls::at_once,
                             [&](std::string_view what) { told.emplace_back(what); });
    const auto form = factory.create_form(keypad_layout(), events);
    form->set_state(host::WindowState::minimized);
    form->set_state(host::WindowState::normal);
    EXPECT_EQ(form->state(), host::WindowState::normal);
    EXPECT_FALSE(told.empty());  // each report of a resize fails alike
    EXPECT_EQ(std::count(told.begin(), told.end(), "resize failed"), static_cast<std::ptrdiff_t>(told.size()));
}

}  // namespace
}  // namespace tastrel::win32
