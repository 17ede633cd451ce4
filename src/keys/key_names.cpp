#include "keys/key_names.h"

#include <algorithm>
#include <string>

namespace tastrel::keys {
namespace {

struct Entry {
    std::string_view name;
    NamedKey key;
};

// Extended keys carry the flag so that they do not act as their twins on
// the numeric keypad.
constexpr Entry entries[] = {
    {"ENTER", {0x0D, false}},   {"TAB", {0x09, false}},       {"ESC", {0x1B, false}},
    {"BACKSPACE", {0x08, false}}, {"BKSP", {0x08, false}},    {"BS", {0x08, false}},
    {"HOME", {0x24, true}},     {"END", {0x23, true}},        {"LEFT", {0x25, true}},
    {"UP", {0x26, true}},       {"RIGHT", {0x27, true}},      {"DOWN", {0x28, true}},
    {"PGUP", {0x21, true}},     {"PGDN", {0x22, true}},       {"INS", {0x2D, true}},
    {"INSERT", {0x2D, true}},   {"DEL", {0x2E, true}},        {"DELETE", {0x2E, true}},
    {"BREAK", {0x03, false}},   {"CAPSLOCK", {0x14, false}},  {"NUMLOCK", {0x90, true}},
    {"SCROLLLOCK", {0x91, false}}, {"PRTSC", {0x2C, false}},  {"HELP", {0x2F, false}},
};

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// F1 to F16.
std::optional<NamedKey> function_key(std::string_view name) {
    if (name.size() < 2 || name.size() > 3 || name[0] != 'F') return std::nullopt;
    int number = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (name[1] == '0' || number < 1 || number > 16) return std::nullopt;
    return NamedKey{static_cast<VirtualKey>(0x70 + number - 1), false};
}

}  // namespace

std::optional<NamedKey> named_key(std::string_view name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(), upper);
    for (const Entry& entry : entries)
        if (entry.name == key) return entry.key;
    return function_key(key);
}

}  // namespace tastrel::keys
