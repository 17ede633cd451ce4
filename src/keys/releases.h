#pragma once
// What goes around a send so that the keyboard's state neither changes what
// it types nor is changed by it: key-ups for the modifiers the user holds,
// Caps Lock switched off for the keys it would change, and whatever a
// cut-short send leaves down or switched put back.
#include <cstddef>
#include <span>
#include <vector>

#include "keys/key_types.h"

namespace tastrel::keys {

inline constexpr VirtualKey vk_caps_lock = 0x14;

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

// The events as they are sent: with the lock on, and a key among them that
// Caps Lock may change, Caps Lock is pressed before them and again after
// them. Sent in the same SendInput call, the presses reach the receiving
// thread in order with the keys, so these are read as with the lock off,
// and the lock ends as it was.
std::vector<KeyEvent> with_caps_lock_off(std::span<const KeyEvent> events, bool caps_lock_on);

// What puts the keyboard back after only the first `sent` events went out:
// key-ups for every key still down, the last pressed first, then one more
// press of Caps Lock when those events switched it an odd number of times.
std::vector<KeyEvent> restore_after(std::span<const KeyEvent> events, std::size_t sent);

}  // namespace tastrel::keys
