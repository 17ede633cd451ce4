// Key-ups around a send: for modifiers the user holds and for keys a send cut
// short leaves down.
#include <gtest/gtest.h>

#include <vector>

#include "keys/key_event_text.h"
#include "keys/key_string.h"
#include "keys/releases.h"
#include "support/keyboard_layouts.h"

namespace tastrel::keys {
namespace {

TEST(KeyReleases, ReleasesTheModifiersTheUserHolds) {
    constexpr ModifierKey left_shift{0xA0, false}, right_ctrl{0xA3, true}, left_alt{0xA4, false},
        right_alt{0xA5, true}, left_win{0x5B, true};
    const struct {
        std::vector<ModifierKey> held;
        const char* events;
    } cases[] = {
        {{}, ""},
        {{left_shift}, "A0↑"},
        {{right_ctrl}, "A3↑x"},
        {{left_shift, right_ctrl}, "A0↑ A3↑x"},
        // A Windows key or ALT released alone would open the Start menu or the menu bar.
        {{left_win}, "E8↓↑ 5B↑x"},
        {{left_alt}, "E8↓↑ A4↑"},
        {{left_shift, right_alt}, "E8↓↑ A0↑ A5↑x"},
    };
    for (const auto& c : cases) EXPECT_EQ(to_text(release_held(c.held)), c.events) << c.events;
}

// With the lock on, Caps Lock is pressed around every string with a key it
// may change, on either layout; named keys and Unicode characters go as they are.
TEST(KeyReleases, SwitchesCapsLockOffAroundKeysItWouldChange) {
    const KeyboardLayout& us = test::us_layout();
    const KeyboardLayout& japanese = test::japanese_layout();
    const struct {
        const char* keys;
        const KeyboardLayout& layout;
        bool caps_lock_on;
        const char* events;
    } cases[] = {
        {"u", us, false, "55↓↑"},
        {"u", us, true, "14↓↑ 55↓↑ 14↓↑"},
        {"U", us, true, "14↓↑ S↓ 55↓↑ S↑ 14↓↑"},
        {"km", japanese, true, "14↓↑ 4B↓↑ 4D↓↑ 14↓↑"},
        {"^z", us, true, "14↓↑ C↓ 5A↓↑ C↑ 14↓↑"},
        {":", us, true, "14↓↑ S↓ BA↓↑ S↑ 14↓↑"},  // punctuation Caps Lock changes on some layouts
        {":", japanese, true, "14↓↑ BA↓↑ 14↓↑"},
        {"10", us, true, "14↓↑ 31↓↑ 30↓↑ 14↓↑"},
        {"{ESC}~{LEFT}", us, true, "1B↓↑ 0D↓↑ 25↓x 25↑x"},
        {"é", us, true, "U+00E9↓↑"},
        {"", us, true, ""},
    };
    for (const auto& c : cases) {
        const std::vector<KeyEvent> events = parse_key_string(c.keys, c.layout).events();
        EXPECT_EQ(to_text(with_caps_lock_off(events, c.caps_lock_on)), c.events) << c.keys << " " << c.caps_lock_on;
    }
}

// Keys left down go up, and Caps Lock switched an odd number of times is
// pressed once more.
TEST(KeyReleases, RestoresWhatACutShortSendLeftDownOrSwitched) {
    // C↓ S↓ 4A↓ 4A↑ S↑ C↑ 0D↓ 0D↑ U+E9↓ U+E9↑, with the lock on between 14↓ 14↑ and 14↓ 14↑
    const std::vector<KeyEvent> events = parse_key_string("^(J)~é", test::us_layout()).events();
    ASSERT_EQ(events.size(), 10u);
    const struct {
        bool caps_lock_on;
        std::size_t sent;
        const char* restore;
    } cases[] = {
        {false, 0, ""},        {false, 1, "C↑"},           {false, 2, "S↑ C↑"},     {false, 3, "4A↑ S↑ C↑"},
        {false, 4, "S↑ C↑"},   {false, 5, "C↑"},           {false, 6, ""},          {false, 7, "0D↑"},
        {false, 9, "U+00E9↑"}, {false, 10, ""},            {false, 99, ""},         {true, 0, ""},
        {true, 1, "14↑ 14↓↑"}, {true, 2, "14↓↑"},          {true, 5, "4A↑ S↑ C↑ 14↓↑"},
        {true, 12, "14↓↑"},    {true, 13, "14↑"},          {true, 14, ""},
    };
    for (const auto& c : cases) {
        const std::vector<KeyEvent> sent = with_caps_lock_off(events, c.caps_lock_on);
        EXPECT_EQ(to_text(restore_after(sent, c.sent)), c.restore) << c.caps_lock_on << " " << c.sent;
    }
}

}  // namespace
}  // namespace tastrel::keys
