// Key strings to key events: the classic examples, one modifier state through
// a string, braces, the Japanese layout, every error, every named key, and
// every string the assignment editor composes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keys/key_event_text.h"
#include "keys/key_string.h"
#include "keys/releases.h"
#include "palette/editor_lists.h"
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
    std::string text = events;
    for (int i = 1; i < times; ++i) text += " " + events;
    return text;
}

void expect_cases(const std::vector<Case>& cases, const KeyboardLayout& layout) {
    for (const Case& c : cases) {
        const ParseResult result = parse_key_string(c.keys, layout);
        ASSERT_TRUE(result.ok()) << '"' << c.keys << "\": " << describe(result.error()->kind);
        EXPECT_EQ(to_text(result.events()), c.events) << '"' << c.keys << '"';
        // Whatever the string, nothing is left down at its end.
        EXPECT_EQ(to_text(restore_after(result.events(), result.events().size())), "") << c.keys;
    }
}

TEST(KeyString, TypesTheClassicExamples) {
    expect_cases({{"u", "55↓↑"}, {"J", "S↓ 4A↓↑ S↑"}, {":", "S↓ BA↓↑ S↑"}, {"10", "31↓↑ 30↓↑"},
                  {"{ENTER}", "0D↓↑"}, {"~", "0D↓↑"}, {"{enter}", "0D↓↑"}, {"{DEL}", "2E↓x 2E↑x"},
                  {"{LEFT 3}", repeated("25↓x 25↑x", 3)}, {"{h 10}", repeated("48↓↑", 10)}, {"{ENTER 0}", ""},
                  {"{~}", "S↓ C0↓↑ S↑"}, {"{(}", "S↓ 39↓↑ S↑"}, {"^(z)", "C↓ 5A↓↑ C↑"}, {"^z", "C↓ 5A↓↑ C↑"},
                  {"%({F4})", "A↓ 73↓↑ A↑"}, {"^( )", "C↓ 20↓↑ C↑"}, {"^({(})", "C↓ S↓ 39↓↑ S↑ C↑"},
                  {"%(,)", "A↓ BC↓↑ A↑"}, {"^(10)", "C↓ 31↓↑ 30↓↑ C↑"},
                  {"+(abc){BACKSPACE 2}", "S↓ 41↓↑ 42↓↑ 43↓↑ S↑ 08↓↑ 08↓↑"},
                  {"^a^c", "C↓ 41↓↑ C↑ C↓ 43↓↑ C↑"}, {"^J", "C↓ S↓ 4A↓↑ S↑ C↑"}, {"é", "U+00E9↓↑"}},
                 us_layout());
}

// Each chord is released before the next one starts, groups hold their
// modifiers to the end, and a modifier the string holds is not pressed again.
TEST(KeyString, ModifiersApplyToTheNextCharacterBraceOrGroup) {
    expect_cases({{"^(a)^(c)", "C↓ 41↓↑ C↑ C↓ 43↓↑ C↑"}, {"+a+c", "S↓ 41↓↑ S↑ S↓ 43↓↑ S↑"},
                  {"%f%t", "A↓ 46↓↑ A↑ A↓ 54↓↑ A↑"}, {"^ab", "C↓ 41↓↑ C↑ 42↓↑"}, {"^+a", "C↓ S↓ 41↓↑ S↑ C↑"},
                  {"+J", "S↓ 4A↓↑ S↑"}, {"+{LEFT}", "S↓ 25↓x 25↑x S↑"}, {"+{A 2}", "S↓ 41↓↑ 41↓↑ S↑"},
                  {"+(a^b)c", "S↓ 41↓↑ C↓ 42↓↑ C↑ S↑ 43↓↑"},
                  {"+(^(%(a)b)c)", "S↓ C↓ A↓ 41↓↑ A↑ 42↓↑ C↑ 43↓↑ S↑"}, {"(((a)))", "41↓↑"}, {"()", ""},
                  {"^()", "C↓↑"}, {"(a+)b", "41↓↑ S↓↑ 42↓↑"}, {"^", "C↓↑"}, {"a+^", "41↓↑ S↓ C↓↑ S↑"},
                  {"^{ENTER 0}a", "C↓↑ 41↓↑"}},
                 us_layout());
}

TEST(KeyString, BracesTakeNamesOrSingleCharactersAndCounts) {
    expect_cases({{"{}}", "S↓ DD↓↑ S↑"}, {"{} 3}", repeated("S↓ DD↓↑ S↑", 3)}, {"{{}", "S↓ DB↓↑ S↑"},
                  {"{)}", "S↓ 30↓↑ S↑"}, {"{+}{^}{%}", "S↓ BB↓↑ S↑ S↓ 36↓↑ S↑ S↓ 35↓↑ S↑"},
                  {"{a}{A}", "41↓↑ S↓ 41↓↑ S↑"}, {"{F}{f1}{F16}", "S↓ 46↓↑ S↑ 70↓↑ 7F↓↑"}, {"{LeFt}", "25↓x 25↑x"},
                  {"{h  2}", repeated("48↓↑", 2)}, {"{h 010}", repeated("48↓↑", 10)},
                  {"{é 2}", repeated("U+00E9↓↑", 2)}, {"{A 2}", repeated("S↓ 41↓↑ S↑", 2)}},
                 us_layout());
    EXPECT_EQ(parse_key_string("{h 1000}", us_layout()).events().size(), 2000u);
}

TEST(KeyString, CharactersWithoutAKeyAreTypedAsUnicode) {
    for (const KeyboardLayout* layout : {&us_layout(), &japanese_layout()})
        expect_cases({{"ｱ", "U+FF71↓↑"}, {"^(ｱ)", "C↓ U+FF71↓↑ C↑"}, {"a\xF0\x9F\x98\x80", "41↓↑ U+1F600↓↑"},
                      {"\xFF", "U+FFFD↓↑"}},  // not UTF-8
                     *layout);
}

TEST(KeyString, JapaneseLayoutTypesItsOwnKeys) {
    expect_cases({{":", "BA↓↑"}, {"{^}", "DE↓↑"}, {"{+}", "S↓ BB↓↑ S↑"}, {"&", "S↓ 36↓↑ S↑"}, {"@", "C0↓↑"},
                  {"\"'", "S↓ 32↓↑ S↑ S↓ 37↓↑ S↑"}, {"{(}{)}", "S↓ 38↓↑ S↑ S↓ 39↓↑ S↑"}, {"{~}", "S↓ DE↓↑ S↑"},
                  {"*=_", "S↓ BA↓↑ S↑ S↓ BD↓↑ S↑ S↓ E2↓↑ S↑"}, {"[]\\", "DB↓↑ DD↓↑ DC↓↑"},
                  {"^({(})", "C↓ S↓ 38↓↑ S↑ C↑"}, {"é", "U+00E9↓↑"}},
                 japanese_layout());
}

TEST(KeyString, RejectsMalformedStringsAndTypesNothing) {
    using enum ParseErrorKind;
    const struct {
        const char* keys;
        ParseErrorKind kind;
        std::size_t position;
    } cases[] = {
        {"a}", unmatched_closer, 1},           {"}", unmatched_closer, 0},
        {"a)", unmatched_closer, 1},           {"(a))", unmatched_closer, 3},
        {"{é}}", unmatched_closer, 4},         {"++a", modifier_already_down, 1},
        {"^(^a)", modifier_already_down, 2},   {"+(a+b)", modifier_already_down, 3},
        {"^+^", modifier_already_down, 2},     {"{ENTER", unclosed_brace, 0},
        {"{a 3", unclosed_brace, 0},           {"ab{", unclosed_brace, 2},
        {"{a ", unclosed_brace, 0},            {"{a x}", bad_repeat_count, 0},
        {"{a 3 }", bad_repeat_count, 0},       {"{a }", bad_repeat_count, 0},
        {"{a 3x}", bad_repeat_count, 0},       {"{a -1}", bad_repeat_count, 0},
        {"x{h 1001}", bad_repeat_count, 1},    {"{h 99999999999999999999}", bad_repeat_count, 0},
        {"{FOO}", unknown_key_name, 0},        {"{}", unknown_key_name, 0},
        {"{ }", unknown_key_name, 0},          {"{}a}", unknown_key_name, 0},
        {"{ab}", unknown_key_name, 0},         {"{F0}", unknown_key_name, 0},
        {"{F17}", unknown_key_name, 0},        {"{F01}", unknown_key_name, 0},
        {"{ENTER}{SPACE}", unknown_key_name, 7}, {"((((a))))", too_deeply_nested, 3},
        {"+(ab", unclosed_group, 1},           {"((a)", unclosed_group, 0},
        {"a(b(c)", unclosed_group, 1},
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
    const Case cases[] = {
        {"ENTER", "0D↓↑"},        {"TAB", "09↓↑"},         {"ESC", "1B↓↑"},          {"BACKSPACE", "08↓↑"},
        {"BKSP", "08↓↑"},         {"BS", "08↓↑"},          {"HOME", "24↓x 24↑x"},    {"END", "23↓x 23↑x"},
        {"LEFT", "25↓x 25↑x"},    {"UP", "26↓x 26↑x"},     {"RIGHT", "27↓x 27↑x"},   {"DOWN", "28↓x 28↑x"},
        {"PGUP", "21↓x 21↑x"},    {"PGDN", "22↓x 22↑x"},   {"INS", "2D↓x 2D↑x"},     {"INSERT", "2D↓x 2D↑x"},
        {"DEL", "2E↓x 2E↑x"},     {"DELETE", "2E↓x 2E↑x"}, {"BREAK", "03↓↑"},        {"CAPSLOCK", "14↓↑"},
        {"NUMLOCK", "90↓x 90↑x"}, {"SCROLLLOCK", "91↓↑"},  {"PRTSC", "2C↓↑"},        {"HELP", "2F↓↑"},
        {"F1", "70↓↑"},   {"F2", "71↓↑"},   {"F3", "72↓↑"},   {"F4", "73↓↑"},   {"F5", "74↓↑"},   {"F6", "75↓↑"},
        {"F7", "76↓↑"},   {"F8", "77↓↑"},   {"F9", "78↓↑"},   {"F10", "79↓↑"},  {"F11", "7A↓↑"},  {"F12", "7B↓↑"},
        {"F13", "7C↓↑"},  {"F14", "7D↓↑"},  {"F15", "7E↓↑"},  {"F16", "7F↓↑"},
    };
    for (const Case& c : cases) {
        std::string lower = c.keys;
        for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        for (const std::string& name : {std::string(c.keys), lower})
            EXPECT_EQ(to_text(parse_key_string("{" + name + "}", japanese_layout()).events()), c.events) << name;
    }
}

// Every string the assignment editor offers types on both layouts; with CTRL
// or ALT chosen it is the plain key's events inside that modifier.
TEST(KeyString, EveryComposedStringTypesOnBothLayouts) {
    for (const KeyboardLayout* layout : {&us_layout(), &japanese_layout()}) {
        for (int key = 0; key < static_cast<int>(key_entries().size()); ++key) {
            const ParseResult plain = parse_key_string(compose_key_string(0, key), *layout);
            ASSERT_TRUE(plain.ok()) << '"' << compose_key_string(0, key) << '"';
            EXPECT_GE(plain.events().size(), 2u) << compose_key_string(0, key);
            EXPECT_EQ(to_text(restore_after(plain.events(), plain.events().size())), "");
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
        {0x0055, KeyStroke{0x55, false, false, false}}, {0x014A, KeyStroke{0x4A, true, false, false}},
        {0x0651, KeyStroke{0x51, false, true, true}},  // AltGr
        {0x0733, KeyStroke{0x33, true, true, true}},    {0x0833, std::nullopt},  // Hankaku
        {0x1041, std::nullopt}, {0x2041, std::nullopt},  // bits of the layout's own
        {0xFFFF, std::nullopt}, {0x0000, std::nullopt},  // no key
    };
    for (const auto& c : cases) EXPECT_EQ(stroke_from_key_scan(c.scan), c.stroke) << std::hex << c.scan;
}

}  // namespace
}  // namespace tastrel::keys
