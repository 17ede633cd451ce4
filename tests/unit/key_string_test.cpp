// Key strings to key events: the vectors of the notes on key strings, the
// Japanese layout, every error, every named key, and every string the
// assignment editor composes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keys/key_event_text.h"
#include "keys/key_string.h"
#include "keys/releases.h"
#include "palette/key_composition.h"
#include "support/keyboard_layouts.h"

namespace tastrel::keys {
namespace {

using test::japanese_layout;
using test::us_layout;

struct Case {
    const char* keys;
    std::string events;
};

std::string repeated(const std::string& events, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += (i > 0 ? " " : "") + events;
    return text;
}

// The events as text, or the error when there is one.
std::string parsed(std::string_view keys, const KeyboardLayout& layout) {
    const ParseResult result = parse_key_string(keys, layout);
    if (const ParseError* error = result.error())
        return "error at " + std::to_string(error->position) + ": " + std::string(describe(error->kind));
    return to_text(result.events());
}

void expect_cases(const std::vector<Case>& cases, const KeyboardLayout& layout) {
    for (const Case& c : cases) {
        EXPECT_EQ(parsed(c.keys, layout), c.events) << '"' << c.keys << '"';
        // Whatever the string, nothing is left down at its end.
        const ParseResult result = parse_key_string(c.keys, layout);
        EXPECT_EQ(to_text(release_left_down(result.events(), result.events().size())), "") << '"' << c.keys << '"';
    }
}

TEST(KeyString, TypesTheVectorsOfTheNotes) {
    expect_cases({
                     {"u", "55↓↑"},
                     {"J", "S↓ 4A↓↑ S↑"},
                     {":", "S↓ BA↓↑ S↑"},
                     {"10", "31↓↑ 30↓↑"},
                     {"{ENTER}", "0D↓↑"},
                     {"~", "0D↓↑"},
                     {"{enter}", "0D↓↑"},
                     {"{DEL}", "2E↓x 2E↑x"},
                     {"{LEFT 3}", repeated("25↓x 25↑x", 3)},
                     {"{h 10}", repeated("48↓↑", 10)},
                     {"{ENTER 0}", ""},
                     {"{~}", "S↓ C0↓↑ S↑"},
                     {"{(}", "S↓ 39↓↑ S↑"},
                     {"^(z)", "C↓ 5A↓↑ C↑"},
                     {"^z", "C↓ 5A↓↑ C↑"},
                     {"%({F4})", "A↓ 73↓↑ A↑"},
                     {"^( )", "C↓ 20↓↑ C↑"},
                     {"^({(})", "C↓ S↓ 39↓↑ S↑ C↑"},
                     {"%(,)", "A↓ BC↓↑ A↑"},
                     {"^(10)", "C↓ 31↓↑ 30↓↑ C↑"},
                     {"+(abc){BACKSPACE 2}", "S↓ 41↓↑ 42↓↑ 43↓↑ S↑ 08↓↑ 08↓↑"},
                     {"^a^c", "C↓ 41↓↑ C↑ C↓ 43↓↑ C↑"},
                     {"^J", "C↓ S↓ 4A↓↑ S↑ C↑"},
                     {"é", "U+00E9↓↑"},
                 },
                 us_layout());
}

// One modifier state through the whole string: each chord is released before
// the next one starts, and a modifier is never pressed twice.
TEST(KeyString, ModifiersApplyToTheNextCharacterBraceOrGroup) {
    expect_cases({
                     {"^(a)^(c)", "C↓ 41↓↑ C↑ C↓ 43↓↑ C↑"},
                     {"+a+c", "S↓ 41↓↑ S↑ S↓ 43↓↑ S↑"},
                     {"%f%t", "A↓ 46↓↑ A↑ A↓ 54↓↑ A↑"},
                     {"^ab", "C↓ 41↓↑ C↑ 42↓↑"},
                     {"^+a", "C↓ S↓ 41↓↑ S↑ C↑"},
                     {"+J", "S↓ 4A↓↑ S↑"},
                     {"+{LEFT}", "S↓ 25↓x 25↑x S↑"},
                     {"+(a^b)c", "S↓ 41↓↑ C↓ 42↓↑ C↑ S↑ 43↓↑"},
                     {"+(^(%(a)b)c)", "S↓ C↓ A↓ 41↓↑ A↑ 42↓↑ C↑ 43↓↑ S↑"},
                     {"(((a)))", "41↓↑"},
                     {"()", ""},
                     {"^()", "C↓↑"},
                     {"(a+)b", "41↓↑ S↓↑ 42↓↑"},
                     {"^", "C↓↑"},
                     {"a+^", "41↓↑ S↓ C↓↑ S↑"},
                     {"^{ENTER 0}a", "C↓↑ 41↓↑"},
                 },
                 us_layout());
}

TEST(KeyString, BracesTakeNamesOrSingleCharactersAndCounts) {
    expect_cases({
                     {"{}}", "S↓ DD↓↑ S↑"},
                     {"{} 3}", repeated("S↓ DD↓↑ S↑", 3)},
                     {"{{}", "S↓ DB↓↑ S↑"},
                     {"{)}", "S↓ 30↓↑ S↑"},
                     {"{+}{^}{%}", "S↓ BB↓↑ S↑ S↓ 36↓↑ S↑ S↓ 35↓↑ S↑"},
                     {"{a}{A}", "41↓↑ S↓ 41↓↑ S↑"},
                     {"{F}{f1}{F16}", "S↓ 46↓↑ S↑ 70↓↑ 7F↓↑"},
                     {"{LeFt}", "25↓x 25↑x"},
                     {"{h  2}", repeated("48↓↑", 2)},
                     {"{h 010}", repeated("48↓↑", 10)},
                     {"{é 2}", repeated("U+00E9↓↑", 2)},
                     {"{A 2}", repeated("S↓ 41↓↑ S↑", 2)},
                     {"+{A 2}", "S↓ 41↓↑ 41↓↑ S↑"},
                 },
                 us_layout());
    EXPECT_EQ(parse_key_string("{h 1000}", us_layout()).events().size(), 2000u);
}

TEST(KeyString, CharactersWithoutAKeyAreTypedAsUnicode) {
    for (const KeyboardLayout* layout : {&us_layout(), &japanese_layout()}) {
        expect_cases({
                         {"ｱ", "U+FF71↓↑"},
                         {"^(ｱ)", "C↓ U+FF71↓↑ C↑"},
                         {"a\xF0\x9F\x98\x80", "41↓↑ U+1F600↓↑"},
                         {"\xFF", "U+FFFD↓↑"},  // not UTF-8
                     },
                     *layout);
    }
}

TEST(KeyString, JapaneseLayoutTypesItsOwnKeys) {
    expect_cases({
                     {":", "BA↓↑"},
                     {"{^}", "DE↓↑"},
                     {"{+}", "S↓ BB↓↑ S↑"},
                     {"&", "S↓ 36↓↑ S↑"},
                     {"@", "C0↓↑"},
                     {"\"'", "S↓ 32↓↑ S↑ S↓ 37↓↑ S↑"},
                     {"{(}{)}", "S↓ 38↓↑ S↑ S↓ 39↓↑ S↑"},
                     {"{~}", "S↓ DE↓↑ S↑"},
                     {"*=_", "S↓ BA↓↑ S↑ S↓ BD↓↑ S↑ S↓ E2↓↑ S↑"},
                     {"[]\\", "DB↓↑ DD↓↑ DC↓↑"},
                     {"^({(})", "C↓ S↓ 38↓↑ S↑ C↑"},
                     {"é", "U+00E9↓↑"},
                 },
                 japanese_layout());
}

TEST(KeyString, RejectsTheErrorsOfTheNotesAndTypesNothing) {
    const struct {
        const char* keys;
        ParseErrorKind kind;
        std::size_t position;
    } cases[] = {
        {"a}", ParseErrorKind::unmatched_closer, 1},
        {"}", ParseErrorKind::unmatched_closer, 0},
        {"a)", ParseErrorKind::unmatched_closer, 1},
        {"(a))", ParseErrorKind::unmatched_closer, 3},
        {"{é}}", ParseErrorKind::unmatched_closer, 4},
        {"++a", ParseErrorKind::modifier_already_down, 1},
        {"^(^a)", ParseErrorKind::modifier_already_down, 2},
        {"+(a+b)", ParseErrorKind::modifier_already_down, 3},
        {"^+^", ParseErrorKind::modifier_already_down, 2},
        {"{ENTER", ParseErrorKind::unclosed_brace, 0},
        {"{a 3", ParseErrorKind::unclosed_brace, 0},
        {"ab{", ParseErrorKind::unclosed_brace, 2},
        {"{a ", ParseErrorKind::unclosed_brace, 0},
        {"{a x}", ParseErrorKind::bad_repeat_count, 0},
        {"{a 3 }", ParseErrorKind::bad_repeat_count, 0},
        {"{a }", ParseErrorKind::bad_repeat_count, 0},
        {"{a 3x}", ParseErrorKind::bad_repeat_count, 0},
        {"{a -1}", ParseErrorKind::bad_repeat_count, 0},
        {"x{h 1001}", ParseErrorKind::bad_repeat_count, 1},
        {"{h 99999999999999999999}", ParseErrorKind::bad_repeat_count, 0},
        {"{FOO}", ParseErrorKind::unknown_key_name, 0},
        {"{}", ParseErrorKind::unknown_key_name, 0},
        {"{ }", ParseErrorKind::unknown_key_name, 0},
        {"{}a}", ParseErrorKind::unknown_key_name, 0},
        {"{ab}", ParseErrorKind::unknown_key_name, 0},
        {"{F0}", ParseErrorKind::unknown_key_name, 0},
        {"{F17}", ParseErrorKind::unknown_key_name, 0},
        {"{F01}", ParseErrorKind::unknown_key_name, 0},
        {"{ENTER}{SPACE}", ParseErrorKind::unknown_key_name, 7},
        {"((((a))))", ParseErrorKind::too_deeply_nested, 3},
        {"+(ab", ParseErrorKind::unclosed_group, 1},
        {"((a)", ParseErrorKind::unclosed_group, 0},
        {"a(b(c)", ParseErrorKind::unclosed_group, 1},
    };
    for (const auto& c : cases) {
        const ParseResult result = parse_key_string(c.keys, us_layout());
        ASSERT_NE(result.error(), nullptr) << '"' << c.keys << "\" gave " << to_text(result.events());
        EXPECT_EQ(*result.error(), (ParseError{c.kind, c.position}))
            << '"' << c.keys << "\": " << describe(result.error()->kind) << " at " << result.error()->position;
        EXPECT_TRUE(result.events().empty()) << c.keys;
    }
}

TEST(KeyString, EveryNamedKeyHasItsCodeAndExtendedFlag) {
    const struct {
        const char* name;
        VirtualKey vk;
        bool extended;
    } cases[] = {
        {"ENTER", 0x0D, false},  {"TAB", 0x09, false},      {"ESC", 0x1B, false},        {"BACKSPACE", 0x08, false},
        {"BKSP", 0x08, false},   {"BS", 0x08, false},       {"HOME", 0x24, true},        {"END", 0x23, true},
        {"LEFT", 0x25, true},    {"UP", 0x26, true},        {"RIGHT", 0x27, true},       {"DOWN", 0x28, true},
        {"PGUP", 0x21, true},    {"PGDN", 0x22, true},      {"INS", 0x2D, true},         {"INSERT", 0x2D, true},
        {"DEL", 0x2E, true},     {"DELETE", 0x2E, true},    {"BREAK", 0x03, false},      {"CAPSLOCK", 0x14, false},
        {"NUMLOCK", 0x90, true}, {"SCROLLLOCK", 0x91, false}, {"PRTSC", 0x2C, false},    {"HELP", 0x2F, false},
        {"F1", 0x70, false},     {"F2", 0x71, false},       {"F3", 0x72, false},         {"F4", 0x73, false},
        {"F5", 0x74, false},     {"F6", 0x75, false},       {"F7", 0x76, false},         {"F8", 0x77, false},
        {"F9", 0x78, false},     {"F10", 0x79, false},      {"F11", 0x7A, false},        {"F12", 0x7B, false},
        {"F13", 0x7C, false},    {"F14", 0x7D, false},      {"F15", 0x7E, false},        {"F16", 0x7F, false},
    };
    for (const auto& c : cases) {
        std::string lower = c.name;
        for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        const std::vector<KeyEvent> expected{KeyEvent::key(c.vk, true, c.extended),
                                             KeyEvent::key(c.vk, false, c.extended)};
        for (const std::string& name : {std::string(c.name), lower}) {
            const ParseResult result = parse_key_string("{" + name + "}", japanese_layout());
            EXPECT_EQ(to_text(result.events()), to_text(expected)) << name;
            EXPECT_EQ(result.events(), expected) << name;
        }
    }
}

// Every string the assignment editor offers types on both layouts; with CTRL
// or ALT chosen it is the plain key's events inside that modifier.
TEST(KeyString, EveryComposedStringTypesOnBothLayouts) {
    for (const KeyboardLayout* layout : {&us_layout(), &japanese_layout()}) {
        for (int key = 0; key < 120; ++key) {
            const ParseResult plain = parse_key_string(compose_key_string(0, key), *layout);
            ASSERT_TRUE(plain.ok()) << '"' << compose_key_string(0, key) << '"';
            EXPECT_GE(plain.events().size(), 2u) << compose_key_string(0, key);
            EXPECT_EQ(to_text(release_left_down(plain.events(), plain.events().size())), "");
            for (const auto& [modifier, vk] : {std::pair{1, vk_control}, std::pair{2, vk_alt}}) {
                const std::string keys = compose_key_string(modifier, key);
                std::vector<KeyEvent> expected{KeyEvent::key(vk, true)};
                expected.insert(expected.end(), plain.events().begin(), plain.events().end());
                expected.push_back(KeyEvent::key(vk, false));
                const ParseResult result = parse_key_string(keys, *layout);
                ASSERT_TRUE(result.ok()) << '"' << keys << '"';
                EXPECT_EQ(to_text(result.events()), to_text(expected)) << '"' << keys << '"';
            }
        }
    }
}

TEST(KeyString, ReadsKeyScanResults) {
    const struct {
        std::uint16_t scan;
        std::optional<KeyStroke> stroke;
    } cases[] = {
        {0x0055, KeyStroke{0x55, false, false, false}},
        {0x014A, KeyStroke{0x4A, true, false, false}},
        {0x0651, KeyStroke{0x51, false, true, true}},  // AltGr
        {0x0733, KeyStroke{0x33, true, true, true}},
        {0x0833, std::nullopt},  // Hankaku
        {0x1041, std::nullopt},  // bits of the layout's own
        {0x2041, std::nullopt},
        {0xFFFF, std::nullopt},  // no key
        {0x0000, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(stroke_from_key_scan(c.scan), c.stroke) << std::hex << c.scan;
}

}  // namespace
}  // namespace tastrel::keys
