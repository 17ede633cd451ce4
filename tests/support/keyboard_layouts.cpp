#include "support/keyboard_layouts.h"

#include <cstdint>
#include <initializer_list>
#include <map>

namespace tastrel::test {
namespace {

constexpr std::uint16_t shifted = 0x100;
constexpr std::uint16_t kana = 0x800;  // the Japanese layout's own shift state

struct Entry {
    char32_t ch;
    std::uint16_t scan;
};
using Entries = std::initializer_list<Entry>;

// Answers in the form of VkKeyScanExW, read by the same function as the real
// ones.
class TableLayout : public keys::KeyboardLayout {
public:
    explicit TableLayout(Entries own) {
        for (char32_t c = U'a'; c <= U'z'; ++c) scans_[c] = static_cast<std::uint16_t>(c - U'a' + 'A');
        for (char32_t c = U'A'; c <= U'Z'; ++c) scans_[c] = static_cast<std::uint16_t>(shifted | c);
        for (char32_t c = U'0'; c <= U'9'; ++c) scans_[c] = static_cast<std::uint16_t>(c);
        for (auto [ch, scan] : Entries{{U' ', 0x20},
                                        {U'!', shifted | '1'},
                                        {U'#', shifted | '3'},
                                        {U'$', shifted | '4'},
                                        {U'%', shifted | '5'},
                                        {U',', 0xBC},
                                        {U'<', shifted | 0xBC},
                                        {U'-', 0xBD},
                                        {U'.', 0xBE},
                                        {U'>', shifted | 0xBE},
                                        {U'/', 0xBF},
                                        {U'?', shifted | 0xBF}})
            scans_[ch] = scan;
        for (auto [ch, scan] : own) scans_[ch] = scan;
    }

    std::optional<keys::KeyStroke> key_for(char32_t ch) const override {
        const auto found = scans_.find(ch);
        if (found == scans_.end()) return std::nullopt;
        return keys::stroke_from_key_scan(found->second);
    }

private:
    std::map<char32_t, std::uint16_t> scans_;
};

}  // namespace

const keys::KeyboardLayout& us_layout() {
    static const TableLayout layout{
        {U'@', shifted | '2'}, {U'^', shifted | '6'}, {U'&', shifted | '7'},  {U'*', shifted | '8'},
        {U'(', shifted | '9'}, {U')', shifted | '0'}, {U'_', shifted | 0xBD}, {U'=', 0xBB},
        {U'+', shifted | 0xBB}, {U';', 0xBA},         {U':', shifted | 0xBA}, {U'\'', 0xDE},
        {U'"', shifted | 0xDE}, {U'`', 0xC0},         {U'~', shifted | 0xC0}, {U'[', 0xDB},
        {U'{', shifted | 0xDB}, {U']', 0xDD},         {U'}', shifted | 0xDD}, {U'\\', 0xDC},
        {U'|', shifted | 0xDC},
    };
    return layout;
}

// Keys by their virtual-key codes on this layout: "-=" BD, "^~" DE, "@`" C0,
// "[{" DB, ";+" BB, ":*" BA, "]}" DD, "\|" DC (the yen key; "\_" E2 types
// "\" too, but the scan finds DC first). Half-width kana need the kana state.
const keys::KeyboardLayout& japanese_layout() {
    static const TableLayout layout{
        {U'"', shifted | '2'},  {U'&', shifted | '6'},  {U'\'', shifted | '7'}, {U'(', shifted | '8'},
        {U')', shifted | '9'},  {U'=', shifted | 0xBD}, {U'^', 0xDE},           {U'~', shifted | 0xDE},
        {U'@', 0xC0},           {U'`', shifted | 0xC0}, {U'[', 0xDB},           {U'{', shifted | 0xDB},
        {U';', 0xBB},           {U'+', shifted | 0xBB}, {U':', 0xBA},           {U'*', shifted | 0xBA},
        {U']', 0xDD},           {U'}', shifted | 0xDD}, {U'\\', 0xDC},          {U'|', shifted | 0xDC},
        {U'_', shifted | 0xE2}, {U'ｱ', kana | '3'},
    };
    return layout;
}

}  // namespace tastrel::test
