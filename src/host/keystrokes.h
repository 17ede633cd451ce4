#pragma once
// The keystroke service: the keyboard layout of the window that receives the
// keys, and the typing of key events into it. Key strings are read by the
// portable program (keys/send_key_string.h), never by a host.
#include <span>

#include "host/key_event.h"
#include "host/keyboard_layout.h"
#include "host/window_handle.h"

namespace tastrel::host {

enum class SendOutcome {
    sent,        // every key went out
    invalid,     // the key string has a syntax error: nothing was typed
    incomplete,  // the system took only part of the keys (or none); none is left held down
    elsewhere,   // another window had come to the front meanwhile: nothing was typed
};

class Keystrokes {
public:
    virtual ~Keystrokes() = default;
    // The layout of the foreground window's thread, which the keys will reach.
    virtual const KeyboardLayout& layout() = 0;
    // Types the events in one go into the target, a window or a control of
    // it, whose window must be in front still: keys never go anywhere else.
    // Gives sent, incomplete or elsewhere.
    virtual SendOutcome type(std::span<const KeyEvent> events, WindowHandle target) = 0;
};

}  // namespace tastrel::host
