// Key strings to key events on the US and Japanese layouts, the strings refused
// whole, and what goes around a send: held modifiers, Caps Lock, a cut-short send.
#include <gtest/gtest.h>

#include "keys/key_event_text.h"
#include "keys/key_string.h"
#include "keys/releases.h"
#include "support/keyboard_layouts.h"

namespace tastrel::keys {
namespace {

const KeyboardLayout &us = test::us_layout(), &jp = test::japanese_layout();
std::vector<KeyEvent> events_of(const char* keys, const KeyboardLayout& layout = us) {
    return parse_key_string(keys, layout).events();
}

TEST(KeyString, TypesCharactersNamedKeysAndGroupsWithTheLayoutsShift) {
    const struct { const KeyboardLayout& layout; const char *keys, *events; } cases[] = {
        {us, "uJ~", "55↓↑ S↓ 4A↓↑ S↑ 0D↓↑"}, {us, "{enter}{DEL}{tab 2}", "0D↓↑ 2E↓x 2E↑x 09↓↑ 09↓↑"},
        {us, "{F1}{F10}{f9}{F16}", "70↓↑ 79↓↑ 78↓↑ 7F↓↑"}, {us, "{h\t 2}{é 2}{ENTER 0}", "48↓↑ 48↓↑ U+00E9↓↑ U+00E9↓↑"},
        {us, "{}}{} 2}{(}", "S↓ DD↓↑ S↑ S↓ DD↓↑ S↑ S↓ DD↓↑ S↑ S↓ 39↓↑ S↑"},
        {us, "^(z)%({F4})^J+J", "C↓ 5A↓↑ C↑ A↓ 73↓↑ A↑ C↓ S↓ 4A↓↑ S↑ C↑ S↓ 4A↓↑ S↑"},
        {us, "+(ab)c^ab", "S↓ 41↓↑ 42↓↑ S↑ 43↓↑ C↓ 41↓↑ C↑ 42↓↑"},
        {us, "+(^(%(a)b)c)(((d)))", "S↓ C↓ A↓ 41↓↑ A↑ 42↓↑ C↑ 43↓↑ S↑ 44↓↑"},
        {us, "(a+)b^()a+^", "41↓↑ S↓↑ 42↓↑ C↓↑ 41↓↑ S↓ C↓↑ S↑"},  // modifiers with nothing after them
        {jp, ":@{^}_", "BA↓↑ C0↓↑ DE↓↑ S↓ E2↓↑ S↑"},
        {jp, "^(ｱ)a\xF0\x9F\x98\x80\xFF", "C↓ U+FF71↓↑ C↑ 41↓↑ U+1F600↓↑ U+FFFD↓↑"},  // no key; not UTF-8
    };
    for (const auto& c : cases) {
        const std::vector<KeyEvent> events = events_of(c.keys, c.layout);
        EXPECT_EQ(to_text(events), c.events) << c.keys;
        EXPECT_EQ(to_text(restore_after(events, events.size())), "") << "left down by " << c.keys;
    }
    EXPECT_EQ(events_of("{h 1000}").size(), 2000u);
}

TEST(KeyString, RefusesAMalformedStringWhole) {
    using enum ParseErrorKind;
    const struct { const char* keys; ParseErrorKind kind; std::size_t at; } cases[] = {
        {"a}", unmatched_closer, 1}, {"(a))", unmatched_closer, 3}, {"^(^a)", modifier_already_down, 2},
        {"+(a+b)", modifier_already_down, 3}, {"{ENTER", unclosed_brace, 0}, {"ab{a 3", unclosed_brace, 2},
        {"{a ", unclosed_brace, 0}, {"{a x}", bad_repeat_count, 0}, {"{a 3 }", bad_repeat_count, 0},
        {"{a }", bad_repeat_count, 0}, {"x{h 1001}", bad_repeat_count, 1}, {"{FOO}", unknown_key_name, 0},
        {"{}", unknown_key_name, 0}, {"{ }", unknown_key_name, 0}, {"{}a}", unknown_key_name, 0},
        {"{F0}", unknown_key_name, 0}, {"{F17}", unknown_key_name, 0}, {"{F1.}", unknown_key_name, 0},
        {"((((a))))", too_deeply_nested, 3}, {"a(b(c)", unclosed_group, 1},
    };
    for (const auto& c : cases) {
        const ParseResult result = parse_key_string(c.keys, us);
        ASSERT_NE(result.error(), nullptr) << c.keys;
        EXPECT_EQ(*result.error(), (ParseError{c.kind, c.at})) << c.keys << ": " << describe(result.error()->kind);
        EXPECT_TRUE(result.events().empty()) << c.keys;
    }
}

TEST(KeyString, ReadsKeyScanResults) {
    const struct { std::uint16_t scan; std::optional<KeyStroke> stroke; } cases[] = {
        {0x0055, KeyStroke{0x55, false, false, false}}, {0x014A, KeyStroke{0x4A, true, false, false}},
        {0x0651, KeyStroke{0x51, false, true, true}}, {0x0733, KeyStroke{0x33, true, true, true}},
        {0x0833, std::nullopt}, {0x1041, std::nullopt}, {0xFFFF, std::nullopt}, {0x0000, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(stroke_from_key_scan(c.scan), c.stroke) << std::hex << c.scan;
}

TEST(KeyReleases, ReleasesTheModifiersTheUserHoldsWithoutOpeningAMenu) {
    const struct { std::vector<ModifierKey> held; const char* events; } cases[] = {
        {{}, ""}, {{{0xA0, false}, {0xA3, true}}, "A0↑ A3↑x"}, {{{0xA4, false}}, "E8↓↑ A4↑"},
        {{{0xA0, false}, {0xA5, true}}, "E8↓↑ A0↑ A5↑x"}, {{{0x5B, true}}, "E8↓↑ 5B↑x"},
    };
    for (const auto& c : cases) EXPECT_EQ(to_text(release_held(c.held)), c.events);
}

// Digits, letters and punctuation keys, each range at both ends, on either
// layout; named keys and characters typed as Unicode go as they are.
TEST(KeyReleases, SwitchesCapsLockOffAroundKeysItWouldChange) {
    std::vector<std::vector<KeyEvent>> changed{events_of("_", jp), {KeyEvent::key(0xDF, true)}};
    for (const char* keys : {"0", "9", "a", "z", ";", "`", "[", "^(U)"}) changed.push_back(events_of(keys));
    for (const auto& events : changed) {
        EXPECT_EQ(to_text(with_caps_lock_off(events, true)), "14↓↑ " + to_text(events) + " 14↓↑");
        EXPECT_EQ(with_caps_lock_off(events, false), events) << to_text(events);
    }
    for (const char* keys : {"{ESC}~{LEFT}é", ""}) EXPECT_EQ(with_caps_lock_off(events_of(keys), true), events_of(keys));
}

TEST(KeyReleases, RestoresWhatACutShortSendLeftDownOrSwitched) {
    // C↓ S↓ 4A↓ 4A↑ S↑ C↑ 0D↓ 0D↑ U+E9↓ U+E9↑; with Caps Lock on, 14↓ 14↑ before and after.
    const std::vector<KeyEvent> events = events_of("^(J)~é");
    const struct { bool caps_lock_on; std::size_t sent; const char* restore; } cases[] = {
        {false, 0, ""}, {false, 1, "C↑"}, {false, 3, "4A↑ S↑ C↑"}, {false, 4, "S↑ C↑"}, {false, 6, ""},
        {false, 7, "0D↑"}, {false, 9, "U+00E9↑"}, {false, 99, ""}, {true, 1, "14↑ 14↓↑"}, {true, 2, "14↓↑"},
        {true, 5, "4A↑ S↑ C↑ 14↓↑"}, {true, 12, "14↓↑"}, {true, 13, "14↑"}, {true, 14, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(to_text(restore_after(with_caps_lock_off(events, c.caps_lock_on), c.sent)), c.restore) << c.sent;
}

}  // namespace
}  // namespace tastrel::keys
