// The key injector against SendInput as it is called: the program's own
// import of SendInput is swapped for a recorder that may take only a leading
// part of a call, as SendInput does when other input or a block cuts it short.
#include <gtest/gtest.h>

#include <cstdio>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include "keys/key_string.h"
#include "win32/key_injector.h"

namespace tastrel::win32 {
namespace {

using SendInputFunction = UINT(WINAPI*)(UINT, LPINPUT, int);

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

// This program's slot for user32's SendInput in its import table.
SendInputFunction* send_input_slot() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto& directory = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); dll->Name; ++dll) {
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk); name->u1.AddressOfData; ++name, ++slot)
            if (!IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) &&
                std::string_view(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name) == "SendInput")
                return reinterpret_cast<SendInputFunction*>(&slot->u1.Function);
    }
    return nullptr;
}

SendInputFunction put_in_slot(SendInputFunction function) {
    SendInputFunction* slot = send_input_slot();
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    const SendInputFunction before = std::exchange(*slot, function);
    VirtualProtect(slot, sizeof *slot, protection, &protection);
    return before;
}

// Whatever a cut-short send left down goes up, in one more call. CTRL is 11, SHIFT 10, F2 71.
TEST(Win32KeyInjector, ReleasesWhatASendCutShortLeftDown) {
    ASSERT_NE(send_input_slot(), nullptr);
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
    const SendInputInjector injector(GetDesktopWindow());
    for (const auto& c : cases) {
        const keys::ParseResult parsed = keys::parse_key_string(c.keys, injector);
        ASSERT_TRUE(parsed.ok()) << c.keys;
        calls.clear();
        first_call_takes = c.taken;
        const SendInputFunction real = put_in_slot(record_send_input);
        const SendResult sent = injector.send(parsed.events());
        put_in_slot(real);
        EXPECT_EQ(sent.inserted, c.taken) << c.keys;
        EXPECT_EQ(calls, c.calls) << c.keys << ", " << c.taken << " taken";
    }
}

}  // namespace
}  // namespace tastrel::win32
