#pragma once
#include <optional>

#include "host/keystrokes.h"
#include "win32/key_injector.h"

namespace tastrel::win32 {

// Keys for the foreground window: its thread's layout, typed with SendInput in one call.
class Win32Keystrokes : public host::Keystrokes {
public:
    const host::KeyboardLayout& layout() override;
    host::SendOutcome type(std::span<const host::KeyEvent> events, host::WindowHandle target) override;

private:
    std::optional<SendInputInjector> injector_;
};

}  // namespace tastrel::win32
