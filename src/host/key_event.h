#pragma once
// What a key string turns into: key presses and releases by virtual-key code,
// and characters no key of the layout types. Scan codes are left to the
// Windows side, which knows the layout.
#include <cstdint>

namespace tastrel::host {

using VirtualKey = std::uint8_t;

inline constexpr VirtualKey vk_shift = 0x10;
inline constexpr VirtualKey vk_control = 0x11;
inline constexpr VirtualKey vk_alt = 0x12;
inline constexpr VirtualKey vk_enter = 0x0D;

struct KeyEvent {
    enum class Kind : std::uint8_t { key, unicode };
    Kind kind = Kind::key;
    VirtualKey vk = 0;      // key events
    bool extended = false;  // key events: sent with the extended-key flag
    bool down = true;
    char32_t ch = 0;        // unicode events

    static constexpr KeyEvent key(VirtualKey vk, bool down, bool extended = false) {
        return {Kind::key, vk, extended, down, 0};
    }
    static constexpr KeyEvent unicode(char32_t ch, bool down) { return {Kind::unicode, 0, false, down, ch}; }

    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

}  // namespace tastrel::host
