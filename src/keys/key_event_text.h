#pragma once
// Events as short text, for test failures and logs: "C↓ S↓ 4A↓↑ S↑ C↑",
// "2E↓x 2E↑x", "U+00E9↓↑".
#include <span>
#include <string>

#include "keys/key_types.h"

namespace tastrel::keys {

// S, C and A stand for SHIFT, CTRL and ALT, other keys are their virtual-key
// code in hex. A press straight followed by its release is written once,
// except for extended keys (marked x), which are written event by event.
std::string to_text(std::span<const KeyEvent> events);

}  // namespace tastrel::keys
