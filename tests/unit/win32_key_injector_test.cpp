// The key injector against a recorder in place of SendInput that may take
// only a leading part of a call, as SendInput does when other input or a
// block cuts it short.
#include <gtest/gtest.h>

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include <windows.h>

#include "keys/key_string.h"
#include "win32/key_injector.h"

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

}  // namespace
}  // namespace tastrel::win32
