#include "support/keyboard_layouts.h"

#include <map>
#include <string_view>

namespace tastrel::test {
namespace {

// Answers in the form of VkKeyScanExW, read by the same function as the real
// ones: keys by code, with what each types alone and with SHIFT (a blank:
// nothing). Letters and the space are alike on both layouts. The first key
// of a character wins, as in the scan.
struct TableLayout : host::KeyboardLayout {
    TableLayout(std::string_view codes, std::string_view plain, std::string_view shifted, std::uint16_t kana_a = 0) {
        keys_[U' '] = 0x20;
        if (kana_a != 0) keys_[U'ｱ'] = kana_a;
        for (char c = 'A'; c <= 'Z'; ++c) add(static_cast<unsigned char>(c), static_cast<char>(c + 32), c);
        for (std::size_t i = 0; i < codes.size(); ++i) add(static_cast<unsigned char>(codes[i]), plain[i], shifted[i]);
    }
    std::optional<host::KeyStroke> key_for(char32_t ch) const override {
        const auto found = keys_.find(ch);
        return found == keys_.end() ? std::nullopt : host::stroke_from_key_scan(found->second);
    }

    void add(std::uint16_t vk, char plain, char shifted) {
        if (plain != ' ') keys_.emplace(plain, vk);
        if (shifted != ' ') keys_.emplace(shifted, static_cast<std::uint16_t>(0x100 | vk));
    }
    std::map<char32_t, std::uint16_t> keys_;
};

}  // namespace

const host::KeyboardLayout& us_layout() {
    static const TableLayout layout{"0123456789\xBA\xBB\xBC\xBD\xBE\xBF\xC0\xDB\xDC\xDD\xDE", "0123456789;=,-./`[\\]'",
                                    ")!@#$%^&*(:+<_>?~{|}\""};
    return layout;
}

// "\" is on DC and E2, and the scan finds DC; half-width kana need the kana state (800).
const host::KeyboardLayout& japanese_layout() {
    static const TableLayout layout{"0123456789\xBA\xBB\xBC\xBD\xBE\xBF\xC0\xDB\xDC\xDD\xDE\xE2",
                                    "0123456789:;,-./@[\\]^\\", " !\"#$%&'()*+<=>?`{|}~_", 0x800 | '3'};
    return layout;
}

}  // namespace tastrel::test
