#pragma once
// Key-ups that keep modifiers from sticking around a send: for those the user
// holds while clicking, and for those a cut-short send leaves down.
#include <cstddef>
#include <span>
#include <vector>

#include "keys/key_event.h"

namespace tastrel::keys {

struct ModifierKey {
    VirtualKey vk;
    bool extended;
};

// The modifier keys a user may hold, each side on its own: releasing the
// generic SHIFT would leave a held right SHIFT down.
inline constexpr ModifierKey physical_modifiers[] = {
    {0xA0, false}, {0xA1, false},  // SHIFT
    {0xA2, false}, {0xA3, true},   // CTRL
    {0xA4, false}, {0xA5, true},   // ALT
    {0x5B, true},  {0x5C, true},   // Windows keys
};

// An unassigned key, tapped so that a released Windows key or ALT does not
// count as pressed alone, which would open the Start menu or the menu bar.
inline constexpr VirtualKey vk_unassigned = 0xE8;

// Key-ups for the modifiers the user holds.
std::vector<KeyEvent> release_held(std::span<const ModifierKey> held);

// Key-ups for every key still down after the first `sent` events, the last
// pressed first.
std::vector<KeyEvent> release_left_down(std::span<const KeyEvent> events, std::size_t sent);

}  // namespace tastrel::keys
