#pragma once
// Types key events into the window that has the keyboard focus, resolving
// characters with the keyboard layout of the window that receives them.
#include <cstddef>
#include <optional>
#include <span>

#include <windows.h>

#include "host/keyboard_layout.h"

namespace tastrel::win32 {

struct SendResult {
    std::size_t asked = 0;     // input records in the one SendInput call
    std::size_t inserted = 0;  // how many SendInput took; 0 when it was blocked
    bool complete() const { return inserted == asked; }
};

class SendInputInjector : public host::KeyboardLayout {
public:
    using SendInputFunction = UINT(WINAPI*)(UINT, LPINPUT, int);

    // The layout belongs to a thread: that of the thread that owns `target`.
    // `send_input` is SendInput, or a recorder that may take only part of a call.
    explicit SendInputInjector(HWND target, SendInputFunction send_input = &SendInput);

    std::optional<host::KeyStroke> key_for(char32_t ch) const override;

    // Releases the modifiers the user holds, then sends the events in one
    // SendInput call, so that no other input comes between them, with Caps
    // Lock switched off around them when it is on. When SendInput takes
    // fewer, whatever that left down is released and Caps Lock put back.
    SendResult send(std::span<const host::KeyEvent> events) const;

private:
    HKL layout_;
    SendInputFunction send_input_;
};

}  // namespace tastrel::win32
