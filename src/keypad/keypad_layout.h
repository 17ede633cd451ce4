#pragma once
#include "host/layout.h"

namespace tastrel {

// The keypad window: digits, unit words and editing keys.
const host::FormLayout& keypad_layout();

}  // namespace tastrel
