#include "host/keyboard_layout.h"

namespace tastrel::host {

std::optional<KeyStroke> stroke_from_key_scan(std::uint16_t scan) {
    const auto vk = static_cast<VirtualKey>(scan & 0xFF);
    const unsigned state = scan >> 8;
    if (vk == 0 || vk == 0xFF || (state & ~0x07u) != 0) return std::nullopt;
    return KeyStroke{vk, (state & 1) != 0, (state & 2) != 0, (state & 4) != 0};
}

}  // namespace tastrel::host
