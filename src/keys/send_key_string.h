#pragma once
// A key string typed through the keystroke service into the target: read
// whole with the receiving window's layout first, so a string with an error
// types nothing.
#include <string_view>

#include "host/keystrokes.h"

namespace tastrel {

host::SendOutcome send_key_string(host::Keystrokes& keystrokes, std::string_view key_string, host::WindowHandle target);

}  // namespace tastrel
