#pragma once
// Two keyboard layouts as tables, for tests: what VkKeyScanExW answers on
// the US 101-key and the Japanese 106/109-key layouts.
#include "host/keyboard_layout.h"

namespace tastrel::test {

const host::KeyboardLayout& us_layout();
const host::KeyboardLayout& japanese_layout();

}  // namespace tastrel::test
