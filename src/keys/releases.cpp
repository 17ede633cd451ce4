#include "keys/releases.h"

#include <algorithm>

namespace tastrel::keys {
namespace {

bool opens_a_menu_alone(VirtualKey vk) { return vk == 0xA4 || vk == 0xA5 || vk == 0x5B || vk == 0x5C; }

bool same_key(const KeyEvent& a, const KeyEvent& b) { return a.kind == b.kind && a.vk == b.vk && a.ch == b.ch; }

// The keys that type characters: digits, letters and the punctuation keys
// (VK_OEM_1 to VK_OEM_8, VK_OEM_102). Caps Lock turns letters into the other
// case on every layout, and on some layouts it changes digits and
// punctuation too. Named keys, modifiers and Unicode characters it leaves alone.
bool caps_lock_may_change(const KeyEvent& event) {
    if (event.kind != KeyEvent::Kind::key) return false;
    const VirtualKey vk = event.vk;
    return (vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z') || (vk >= 0xBA && vk <= 0xC0) ||
           (vk >= 0xDB && vk <= 0xDF) || vk == 0xE2;
}

void press_caps_lock(std::vector<KeyEvent>& events) {
    events.push_back(KeyEvent::key(vk_caps_lock, true));
    events.push_back(KeyEvent::key(vk_caps_lock, false));
}

}  // namespace

std::vector<KeyEvent> release_held(std::span<const ModifierKey> held) {
    std::vector<KeyEvent> events;
    if (std::any_of(held.begin(), held.end(), [](const ModifierKey& key) { return opens_a_menu_alone(key.vk); })) {
        events.push_back(KeyEvent::key(vk_unassigned, true));
        events.push_back(KeyEvent::key(vk_unassigned, false));
    }
    for (const ModifierKey& key : held) events.push_back(KeyEvent::key(key.vk, false, key.extended));
    return events;
}

std::vector<KeyEvent> with_caps_lock_off(std::span<const KeyEvent> events, bool caps_lock_on) {
    if (!caps_lock_on || std::none_of(events.begin(), events.end(), caps_lock_may_change))
        return {events.begin(), events.end()};
    std::vector<KeyEvent> sent;
    press_caps_lock(sent);
    sent.insert(sent.end(), events.begin(), events.end());
    press_caps_lock(sent);
    return sent;
}

std::vector<KeyEvent> restore_after(std::span<const KeyEvent> events, std::size_t sent) {
    std::vector<KeyEvent> down;
    bool caps_lock_switched = false;
    for (const KeyEvent& event : events.first(std::min(sent, events.size()))) {
        const auto same = [&](const KeyEvent& pressed) { return same_key(pressed, event); };
        down.erase(std::remove_if(down.begin(), down.end(), same), down.end());
        if (event.down) down.push_back(event);
        if (event.down && event.kind == KeyEvent::Kind::key && event.vk == vk_caps_lock)
            caps_lock_switched = !caps_lock_switched;
    }
    std::vector<KeyEvent> restore;
    for (auto it = down.rbegin(); it != down.rend(); ++it) {
        KeyEvent up = *it;
        up.down = false;
        restore.push_back(up);
    }
    if (caps_lock_switched) press_caps_lock(restore);
    return restore;
}

}  // namespace tastrel::keys
