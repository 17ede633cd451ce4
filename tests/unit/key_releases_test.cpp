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

TEST(KeyReleases, ReleasesWhatACutShortSendLeftDown) {
    // C↓ S↓ 4A↓ 4A↑ S↑ C↑ 0D↓ 0D↑ U+E9↓ U+E9↑
    const std::vector<KeyEvent> events = parse_key_string("^(J)~é", test::us_layout()).events();
    ASSERT_EQ(events.size(), 10u);
    const struct {
        std::size_t sent;
        const char* releases;
    } cases[] = {
        {0, ""},  {1, "C↑"},   {2, "S↑ C↑"}, {3, "4A↑ S↑ C↑"}, {4, "S↑ C↑"},
        {5, "C↑"}, {6, ""},    {7, "0D↑"},   {9, "U+00E9↑"},     {10, ""},
        {99, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(to_text(release_left_down(events, c.sent)), c.releases) << c.sent;
}

}  // namespace
}  // namespace tastrel::keys
