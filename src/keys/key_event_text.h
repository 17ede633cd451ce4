#pragma once
// Events written the way the notes on key strings and test failures show
// them: "C↓ S↓ 4A↓↑ S↑ C↑", "2E↓x 2E↑x", "U+00E9↓↑".
#include <span>
#include <string>

#include "keys/key_event.h"

namespace tastrel::keys {

// S, C and A stand for SHIFT, CTRL and ALT, other keys are their virtual-key
// code in hex. A press straight followed by its release is written once,
// except for extended keys (marked x), which are written event by event.
std::string to_text(std::span<const KeyEvent> events);

}  // namespace tastrel::keys
