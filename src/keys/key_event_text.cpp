#include "keys/key_event_text.h"

#include <cstdio>

namespace tastrel::keys {
namespace {

std::string key_name(const KeyEvent& event) {
    char text[16];
    if (event.kind == KeyEvent::Kind::unicode) {
        std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(event.ch));
        return text;
    }
    switch (event.vk) {
    case vk_shift: return "S";
    case vk_control: return "C";
    case vk_alt: return "A";
    default: std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(event.vk)); return text;
    }
}

bool releases(const KeyEvent& press, const KeyEvent& next) {
    return press.down && !next.down && !press.extended && press.kind == next.kind && press.vk == next.vk &&
           press.ch == next.ch && press.extended == next.extended;
}

}  // namespace

std::string to_text(std::span<const KeyEvent> events) {
    std::string text;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (!text.empty()) text += ' ';
        const KeyEvent& event = events[i];
        text += key_name(event);
        if (i + 1 < events.size() && releases(event, events[i + 1])) {
            text += "↓↑";
            ++i;
            continue;
        }
        text += event.down ? "↓" : "↑";
        if (event.extended) text += 'x';
    }
    return text;
}

}  // namespace tastrel::keys
