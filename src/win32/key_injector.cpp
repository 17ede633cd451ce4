#include "win32/key_injector.h"

#include <algorithm>
#include <vector>

#include "keys/releases.h"

namespace tastrel::win32 {
namespace {

INPUT keyboard_input(WORD vk, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    return input;
}

// The records of a list of events, and how many records the events up to
// each one take.
struct Inputs {
    std::vector<INPUT> records;
    std::vector<std::size_t> through;
};

Inputs to_inputs(std::span<const host::KeyEvent> events, HKL layout) {
    Inputs inputs;
    for (const host::KeyEvent& event : events) {
        const DWORD up = event.down ? 0 : KEYEVENTF_KEYUP;
        if (event.kind == host::KeyEvent::Kind::unicode) {
            // Outside the Basic Multilingual Plane: its two UTF-16 surrogates.
            if (event.ch < 0x10000) {
                inputs.records.push_back(keyboard_input(0, static_cast<WORD>(event.ch), KEYEVENTF_UNICODE | up));
            } else {
                const char32_t offset = event.ch - 0x10000;
                for (char32_t unit : {0xD800 + (offset >> 10), 0xDC00 + (offset & 0x3FF)})
                    inputs.records.push_back(keyboard_input(0, static_cast<WORD>(unit), KEYEVENTF_UNICODE | up));
            }
        } else {
            const auto scan = static_cast<WORD>(MapVirtualKeyExW(event.vk, MAPVK_VK_TO_VSC, layout));
            const DWORD extended = event.extended ? KEYEVENTF_EXTENDEDKEY : 0;
            inputs.records.push_back(keyboard_input(event.vk, scan, up | extended));
        }
        inputs.through.push_back(inputs.records.size());
    }
    return inputs;
}

std::vector<keys::ModifierKey> held_modifiers() {
    std::vector<keys::ModifierKey> held;
    for (const keys::ModifierKey& key : keys::physical_modifiers)
        if (GetAsyncKeyState(key.vk) < 0) held.push_back(key);
    return held;
}

// GetKeyState: GetAsyncKeyState does not report the lock. Read once the
// receiving window is in front, it follows what another program switched
// the moment before (under Wine, 0 stale reads in 1000; read at the click
// itself, before this thread had read its queued input, 29 in 400).
bool caps_lock_on() { return (GetKeyState(VK_CAPITAL) & 1) != 0; }

}  // namespace

SendInputInjector::SendInputInjector(HWND target, SendInputFunction send_input)
    : layout_(GetKeyboardLayout(GetWindowThreadProcessId(target, nullptr))), send_input_(send_input) {}

std::optional<host::KeyStroke> SendInputInjector::key_for(char32_t ch) const {
    if (ch > 0xFFFF) return std::nullopt;
    return host::stroke_from_key_scan(static_cast<std::uint16_t>(VkKeyScanExW(static_cast<WCHAR>(ch), layout_)));
}

SendResult SendInputInjector::send(std::span<const host::KeyEvent> events) const {
    std::vector<host::KeyEvent> all = keys::release_held(held_modifiers());
    const std::vector<host::KeyEvent> typed = keys::with_caps_lock_off(events, caps_lock_on());
    all.insert(all.end(), typed.begin(), typed.end());
    Inputs inputs = to_inputs(all, layout_);
    const auto send_all = [this](std::vector<INPUT>& records) {
        return records.empty() ? 0u : send_input_(static_cast<UINT>(records.size()), records.data(), sizeof(INPUT));
    };
    SendResult result{inputs.records.size(), send_all(inputs.records)};
    if (!result.complete()) {
        // SendInput inserts a leading part; these events made it whole.
        const auto sent = static_cast<std::size_t>(
            std::upper_bound(inputs.through.begin(), inputs.through.end(), result.inserted) - inputs.through.begin());
        Inputs releases = to_inputs(keys::restore_after(all, sent), layout_);
        send_all(releases.records);
    }
    return result;
}

}  // namespace tastrel::win32
