#pragma once
// The keystroke service: the keyboard layout of the window that receives the
// keys, and the typing of key events into it. Key strings are read by the
// portable program (keys/send_key_string.h), never by a host.
#include <span>

#include "host/key_event.h"
#include "host/keyboard_layout.h"

namespace tastrel::host {

enum class SendOutcome {
    sent,        // every key went out
    invalid,     // the key string has a syntax error: nothing was typed
    incomplete,  // the system took only part of the keys (or none); none is left held down
};

class Keystrokes {
public:
    virtual ~Keystrokes() = default;
    // The layout of the foreground window's thread, which the keys will reach.
    virtual const keys::KeyboardLayout& layout() = 0;
    // Types the events in one go; false when the system took only part of
    // them, in which case none is left held down.
    virtual bool type(std::span<const keys::KeyEvent> events) = 0;
};

}  // namespace tastrel::host
