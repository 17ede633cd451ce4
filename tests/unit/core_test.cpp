// Numbers as the toolkit's Val reads them, rounding halves to even, 16-bit
// places, plain decimals, and UTF-8 read a character at a time.
#include <gtest/gtest.h>

#include <cmath>

#include "core/utf8.h"
#include "core/vb_number.h"

namespace tastrel {

TEST(Numbers, ReadsTheLongestDecimalPrefixLeniently) {
    const struct { const char* text; double value; } cases[] = {
        {"5280", 5280}, {"-300", -300}, {"4327.5", 4327.5}, {"  -12", -12}, {"1 2 3", 123}, {"\t7\r\n", 7},
        {"12abc", 12}, {"abc", 0}, {"", 0}, {".5", 0.5}, {"-.25", -0.25}, {"+8", 8}, {"1e3", 1000},
        {"2.5E-1", 0.25}, {"1e", 1}, {"1.2.3", 1.2}, {"--1", 0}, {"-", 0}, {".", 0}, {"3d2", 300}, {"1 e 2", 100},
        {"1e+ 2", 100}, {"1\r2\n3\t4", 1234}, {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL}, {"1e-999", 0}, {"12 , 5", 12},
    };
    for (const auto& c : cases) EXPECT_EQ(read_number(c.text), c.value) << '"' << c.text << '"';
}

TEST(Numbers, RoundsHalvesToEvenClampsPlacesAndWritesPlainDecimals) {
    const struct { double value; std::int32_t rounded; std::int16_t place; } cases[] = {
        {4327.5, 4328, 4328}, {4326.5, 4326, 4326}, {0.5, 0, 0}, {1.5, 2, 2}, {-0.5, 0, 0}, {-1.5, -2, -2}, {-2.5, -2, -2},
        {2.4999, 2, 2}, {-7.6, -8, -8}, {40000, 40000, 32767}, {-40000, -40000, -32768}, {1e12, 2147483647, 32767},
        {-1e12, -2147483647 - 1, -32768}, {NAN, 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(std::pair(round_half_even(c.value), to_position(c.value)), std::pair(c.rounded, c.place));
    const struct { double value; const char* text; } decimals[] = {
        {6180, "6180"}, {6172.5, "6172.5"}, {-300, "-300"}, {-0.0, "0"}, {1e21, "1000000000000000000000"}, {NAN, "0"}};
    for (const auto& d : decimals) EXPECT_EQ(shortest_decimal(d.value), d.text);
}

TEST(Utf8, DecodesOneCharacterAndMalformedBytesAsReplacement) {
    const struct { std::string_view text; char32_t ch; std::size_t size; } cases[] = {
        {"ab", U'a', 1}, {"é", U'é', 2}, {"ｱ", U'ｱ', 3}, {"\xF0\x9F\x98\x80", U'\U0001F600', 4},
        {"\xF4\x8F\xBF\xBF", U'\U0010FFFF', 4}, {"\xED\x9F\xBF", U'\uD7FF', 3}, {"\xEE\x80\x80", U'\uE000', 3},
        {"\xC2\x80", U'\u0080', 2}, {"\xE0\xA0\x80", U'\u0800', 3}, {"\xF0\x90\x80\x80", U'\U00010000', 4},
        // Lone continuation, overlong forms, surrogates, past U+10FFFF, lead F5, cut short, bad continuation.
        {"\x80", U'\uFFFD', 1}, {"\xC1\xBF", U'\uFFFD', 1}, {"\xE0\x9F\xBF", U'\uFFFD', 1},
        {"\xF0\x8F\xBF\xBF", U'\uFFFD', 1}, {"\xED\xA0\x80", U'\uFFFD', 1}, {"\xED\xBF\xBF", U'\uFFFD', 1},
        {"\xF4\x90\x80\x80", U'\uFFFD', 1}, {"\xF5\x80\x80\x80", U'\uFFFD', 1}, {"\xE3\x81", U'\uFFFD', 1},
        {"\xE3\x41\x82", U'\uFFFD', 1}, {"\xE3\x81\xC2", U'\uFFFD', 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(decode_first_char(c.text).ch, decode_first_char(c.text).size), std::pair(c.ch, c.size))
            << testing::PrintToString(c.text);
    EXPECT_EQ(char_count("name_ﾃﾝｷｰ"), 9u);
    EXPECT_EQ(std::string(drop_chars("表示文字", 2)) + "|" + std::string(drop_chars("cmd", 4)), "文字|");
}

}  // namespace tastrel
