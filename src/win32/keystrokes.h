#pragma once
#include "host/keystrokes.h"

namespace tastrel::win32 {

// Parses with the keyboard layout of the foreground window's thread, then
// types with SendInput in one call.
class Win32Keystrokes : public host::Keystrokes {
public:
    host::SendOutcome send_keys(std::string_view key_string) override;
};

}  // namespace tastrel::win32
