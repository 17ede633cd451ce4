#pragma once
// The key events and keyboard layouts the key-string language reads into and
// with: the host's own, as this folder names them.
#include "host/key_event.h"
#include "host/keyboard_layout.h"

namespace tastrel::keys {

using host::KeyboardLayout;
using host::KeyEvent;
using host::KeyStroke;
using host::vk_alt;
using host::vk_control;
using host::vk_enter;
using host::vk_shift;
using host::VirtualKey;

}  // namespace tastrel::keys
