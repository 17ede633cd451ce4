// Key strings to key events on the US and Japanese layouts, the strings refused
// whole, and what goes around a send: held modifiers, Caps Lock, a cut-short send.
#include <gtest/gtest.h>

#include "keys/key_event_text.h"
#include "keys/key_string.h"
#include "keys/releases.h"
#include "support/keyboard_layouts.h"

namespace tastrel::keys {

static const KeyboardLayout &us = test::us_layout(), &jp = test::japanese_layout();

TEST(KeyString, TypesCharactersNamedKeysAndGroupsWithTheLayoutsShift) {
    const struct { const KeyboardLayout& layout; const char *keys, *events; } cases[] = {
        {us, "uJ~{enter}{DEL}{tab 2}{F1}{F10}{f9}{F16}", "55↓↑ S↓ 4A↓↑ S↑ 0D↓↑ 0D↓↑ 2E↓x 2E↑x 09↓↑ 09↓↑ 70↓↑ 79↓↑ 78↓↑ 7F↓↑"},
        {us, "{BKSP}{BS}{ESC}{home}{END}{LEFT}{UP}{RIGHT}{DOWN}", "08↓↑ 08↓↑ 1B↓↑ 24↓x 24↑x 23↓x 23↑x 25↓x 25↑x 26↓x 26↑x 27↓x 27↑x 28↓x 28↑x"},
        {us, "{PGUP}{PGDN}{INS}{INSERT}{DELETE}{NUMLOCK}", "21↓x 21↑x 22↓x 22↑x 2D↓x 2D↑x 2D↓x 2D↑x 2E↓x 2E↑x 90↓x 90↑x"},
        {us, "{BREAK}{CAPSLOCK}{SCROLLLOCK}{PRTSC}{HELP}{BACKSPACE}", "03↓↑ 14↓↑ 91↓↑ 2C↓↑ 2F↓↑ 08↓↑"},
        {us, "{}}{} 2}{(}{h\t 2}{é 2}{ENTER 0}", "S↓ DD↓↑ S↑ S↓ DD↓↑ S↑ S↓ DD↓↑ S↑ S↓ 39↓↑ S↑ 48↓↑ 48↓↑ U+00E9↓↑ U+00E9↓↑"},
        {us, "^(z)%({F4})^J+J+{TAB}a", "C↓ 5A↓↑ C↑ A↓ 73↓↑ A↑ C↓ S↓ 4A↓↑ S↑ C↑ S↓ 4A↓↑ S↑ S↓ 09↓↑ S↑ 41↓↑"},
        {us, "+(ab)c^ab+(^(%(a)b)c)(((d)))", "S↓ 41↓↑ 42↓↑ S↑ 43↓↑ C↓ 41↓↑ C↑ 42↓↑ S↓ C↓ A↓ 41↓↑ A↑ 42↓↑ C↑ 43↓↑ S↑ 44↓↑"},
        {us, "(a+)b^()a+^", "41↓↑ S↓↑ 42↓↑ C↓↑ 41↓↑ S↓ C↓↑ S↑"},  // modifiers with nothing after them
        {jp, ":@{^}_^(ｱ)a\xF0\x9F\x98\x80\xFF", "BA↓↑ C0↓↑ DE↓↑ S↓ E2↓↑ S↑ C↓ U+FF71↓↑ C↑ 41↓↑ U+1F600↓↑ U+FFFD↓↑"},
    };
    for (const auto& c : cases) EXPECT_EQ(to_text(parse_key_string(c.keys, c.layout).events()), c.events) << c.keys;
    for (int n : {999, 1000}) EXPECT_EQ(parse_key_string("{h " + std::to_string(n) + "}", us).events().size(), 2u * n);
}

TEST(KeyString, RefusesAMalformedStringWhole) {
    using enum ParseErrorKind;
    const struct { const char* keys; ParseErrorKind kind; std::size_t at; } cases[] = {
        {"a}", unmatched_closer, 1}, {"(a))", unmatched_closer, 3}, {"^(^a)", modifier_already_down, 2},
        {"+(a+b)", modifier_already_down, 3}, {"{ENTER", unclosed_brace, 0}, {"ab{a 3", unclosed_brace, 2},
        {"{a ", unclosed_brace, 0}, {"{a x}", bad_repeat_count, 0}, {"{a 3 }", bad_repeat_count, 0},
        {"{a }", bad_repeat_count, 0}, {"x{h 1001}", bad_repeat_count, 1}, {"{FOO}", unknown_key_name, 0},
        {"{}", unknown_key_name, 0}, {"{ }", unknown_key_name, 0}, {"{}a}", unknown_key_name, 0},
        {"{F0}", unknown_key_name, 0}, {"{F05}", unknown_key_name, 0}, {"{F17}", unknown_key_name, 0}, {"{F1.}", unknown_key_name, 0},
        {"((((a))))", too_deeply_nested, 3}, {"a(b(c)", unclosed_group, 1},
    };
    for (const auto& c : cases) {
        const ParseResult result = parse_key_string(c.keys, us);
        EXPECT_EQ(result.error() ? *result.error() : ParseError{}, (ParseError{c.kind, c.at})) << c.keys;
    }
}

TEST(KeyString, ReadsKeyScanResults) {
    const struct { std::uint16_t scan; std::optional<KeyStroke> stroke; } cases[] = {
        {0x0055, KeyStroke{0x55}}, {0x014A, KeyStroke{0x4A, true}}, {0x0651, KeyStroke{0x51, false, true, true}},
        {0x0733, KeyStroke{0x33, true, true, true}}, {0x0833, {}}, {0x1041, {}}, {0xFFFF, {}}, {0x0000, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(host::stroke_from_key_scan(c.scan), c.stroke) << std::hex << c.scan;
}

// A held ALT or Windows key released alone would open the menu bar or the Start menu.
TEST(KeyReleases, ReleasesHeldModifiersAndWhatACutShortSendLeftDownOrSwitched) {
    const struct { std::vector<ModifierKey> held; const char* events; } held[] = {
        {{}, ""}, {{{0xA0, false}, {0xA3, true}}, "A0↑ A3↑x"}, {{{0xA4, false}}, "E8↓↑ A4↑"},
        {{{0xA0, false}, {0xA5, true}}, "E8↓↑ A0↑ A5↑x"}, {{{0x5B, true}}, "E8↓↑ 5B↑x"},
    };
    for (const auto& c : held) EXPECT_EQ(to_text(release_held(c.held)), c.events);
    // C↓ S↓ 4A↓ 4A↑ S↑ C↑ 0D↓ 0D↑ U+E9↓ U+E9↑; with Caps Lock on, 14↓ 14↑ before and after.
    const std::vector<KeyEvent> events = parse_key_string("^(J)~é", us).events();
    const struct { bool caps_lock_on; std::size_t sent; const char* restore; } cut[] = {
        {false, 0, ""}, {false, 1, "C↑"}, {false, 3, "4A↑ S↑ C↑"}, {false, 4, "S↑ C↑"}, {false, 6, ""},
        {false, 7, "0D↑"}, {false, 9, "U+00E9↑"}, {false, 99, ""}, {true, 1, "14↑ 14↓↑"}, {true, 2, "14↓↑"},
        {true, 5, "4A↑ S↑ C↑ 14↓↑"}, {true, 12, "14↓↑"}, {true, 13, "14↑"}, {true, 14, ""},
    };
    for (const auto& c : cut)
        EXPECT_EQ(to_text(restore_after(with_caps_lock_off(events, c.caps_lock_on), c.sent)), c.restore) << c.sent;
}

// Digits, letters and punctuation keys, each range at both ends, on either
// layout; named keys and characters typed as Unicode go as they are.
TEST(KeyReleases, SwitchesCapsLockOffAroundKeysItWouldChange) {
    std::vector<std::vector<KeyEvent>> changed{parse_key_string("_", jp).events(), {KeyEvent::key(0xDF, true)}};
    for (const char* keys : {"0", "9", "a", "z", ";", "`", "[", "^(U)"}) changed.push_back(parse_key_string(keys, us).events());
    for (const auto& events : changed) {
        EXPECT_EQ(to_text(with_caps_lock_off(events, true)), "14↓↑ " + to_text(events) + " 14↓↑");
        EXPECT_EQ(with_caps_lock_off(events, false), events) << to_text(events);
    }
    for (const char* keys : {"{ESC}~{LEFT}é", ""})
        EXPECT_EQ(with_caps_lock_off(parse_key_string(keys, us).events(), true), parse_key_string(keys, us).events());
}

}  // namespace tastrel::keys
