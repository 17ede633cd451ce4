#include "keys/releases.h"

#include <algorithm>

namespace tastrel::keys {
namespace {

bool opens_a_menu_alone(VirtualKey vk) { return vk == 0xA4 || vk == 0xA5 || vk == 0x5B || vk == 0x5C; }

bool same_key(const KeyEvent& a, const KeyEvent& b) { return a.kind == b.kind && a.vk == b.vk && a.ch == b.ch; }

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

std::vector<KeyEvent> release_left_down(std::span<const KeyEvent> events, std::size_t sent) {
    std::vector<KeyEvent> down;
    for (const KeyEvent& event : events.first(std::min(sent, events.size()))) {
        const auto same = [&](const KeyEvent& pressed) { return same_key(pressed, event); };
        down.erase(std::remove_if(down.begin(), down.end(), same), down.end());
        if (event.down) down.push_back(event);
    }
    std::vector<KeyEvent> ups;
    for (auto it = down.rbegin(); it != down.rend(); ++it) {
        KeyEvent up = *it;
        up.down = false;
        ups.push_back(up);
    }
    return ups;
}

}  // namespace tastrel::keys
