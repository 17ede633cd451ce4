#include "support/keyboard_layouts.h"

#include <cstdint>
#include <map>
#include <string_view>

namespace tastrel::test {
namespace {

// Answers in the form of VkKeyScanExW, read by the same function as the real
// ones. Each key: its code, what it types alone and with SHIFT ('\0': nothing).
// Letters, digits and the space are alike on both layouts.
struct Key {
    std::uint16_t vk;
    char plain, shifted;
};

class TableLayout : public keys::KeyboardLayout {
public:
    TableLayout(std::string_view shifted_digits, std::initializer_list<Key> keys, std::uint16_t kana_a = 0) {
        for (int c = 'A'; c <= 'Z'; ++c) add({static_cast<std::uint16_t>(c), char(c + 32), char(c)});
        for (int d = 0; d < 10; ++d) add({static_cast<std::uint16_t>('0' + d), char('0' + d), shifted_digits[d]});
        add({0x20, ' ', '\0'});
        for (const Key& key : keys) add(key);
        if (kana_a != 0) keys_[U'ｱ'] = kana_a;
    }
    // The first key for a character wins, as in the scan: "\\" is DC, not E2.
    void add(const Key& key) {
        if (key.plain != '\0') keys_.emplace(key.plain, key.vk);
        if (key.shifted != '\0') keys_.emplace(key.shifted, 0x100 | key.vk);
    }
    std::optional<keys::KeyStroke> key_for(char32_t ch) const override {
        const auto found = keys_.find(ch);
        return found == keys_.end() ? std::nullopt : keys::stroke_from_key_scan(found->second);
    }

private:
    std::map<char32_t, std::uint16_t> keys_;
};

}  // namespace

const keys::KeyboardLayout& us_layout() {
    static const TableLayout layout{")!@#$%^&*(", {{0xBA, ';', ':'}, {0xBB, '=', '+'}, {0xBC, ',', '<'},
        {0xBD, '-', '_'}, {0xBE, '.', '>'}, {0xBF, '/', '?'}, {0xC0, '`', '~'}, {0xDB, '[', '{'},
        {0xDC, '\\', '|'}, {0xDD, ']', '}'}, {0xDE, '\'', '"'}}};
    return layout;
}

// Half-width kana need the layout's own kana state (0x800).
const keys::KeyboardLayout& japanese_layout() {
    static const TableLayout layout{std::string_view("\0!\"#$%&'()", 10), {{0xBA, ':', '*'}, {0xBB, ';', '+'},
        {0xBC, ',', '<'}, {0xBD, '-', '='}, {0xBE, '.', '>'}, {0xBF, '/', '?'}, {0xC0, '@', '`'},
        {0xDB, '[', '{'}, {0xDC, '\\', '|'}, {0xDD, ']', '}'}, {0xDE, '^', '~'}, {0xE2, '\\', '_'}}, 0x800 | '3'};
    return layout;
}

}  // namespace tastrel::test
