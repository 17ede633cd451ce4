#pragma once
#include <string_view>

namespace tastrel::host {

enum class SendOutcome {
    sent,        // every key went out
    invalid,     // the key string has a syntax error: nothing was typed
    incomplete,  // the system took only part of the keys (or none); none is left held down
};

// The keystroke service: types a key string into the foreground window.
class Keystrokes {
public:
    virtual ~Keystrokes() = default;
    virtual SendOutcome send_keys(std::string_view key_string) = 0;
};

}  // namespace tastrel::host
