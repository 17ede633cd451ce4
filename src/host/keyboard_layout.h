#pragma once
// The keyboard layout a character is typed with: which key, and which of
// SHIFT, CTRL and ALT the layout needs held for it.
#include <cstdint>
#include <optional>

#include "host/key_event.h"

namespace tastrel::host {

struct KeyStroke {
    VirtualKey vk = 0;
    bool shift = false, ctrl = false, alt = false;
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // Nothing when no key types `ch` with SHIFT, CTRL and ALT alone; the
    // character is then typed as Unicode.
    virtual std::optional<KeyStroke> key_for(char32_t ch) const = 0;
};

// Reads a result in the form of VkKeyScanExW: the key in the low byte, the
// shift state in the high byte (1 SHIFT, 2 CTRL, 4 ALT). No key (-1) and
// any other shift bit (Hankaku, the layout's own bits) give nothing.
std::optional<KeyStroke> stroke_from_key_scan(std::uint16_t scan);

}  // namespace tastrel::host
