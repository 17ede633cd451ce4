// Decoding the characters of UTF-8 text one at a time.
#include <gtest/gtest.h>

#include "core/utf8.h"

namespace tastrel {
namespace {

TEST(Utf8, DecodesOneCharacterAndMalformedBytesAsReplacement) {
    const struct {
        const char* name;
        std::string_view text;
        char32_t ch;
        std::size_t size;
    } cases[] = {
        {"ascii", "ab", U'a', 1},
        {"two bytes", "é", U'é', 2},
        {"three bytes", "ｱ", U'ｱ', 3},
        {"four bytes", "\xF0\x9F\x98\x80", U'\U0001F600', 4},
        {"largest", "\xF4\x8F\xBF\xBF", U'\U0010FFFF', 4},
        {"nul", std::string_view("\0a", 2), U'\0', 1},
        {"lone continuation", "\x80", U'\uFFFD', 1},
        {"overlong slash", "\xC0\xAF", U'\uFFFD', 1},
        {"overlong three", "\xE0\x80\xAF", U'\uFFFD', 1},
        {"surrogate", "\xED\xA0\x80", U'\uFFFD', 1},
        {"past U+10FFFF", "\xF4\x90\x80\x80", U'\uFFFD', 1},
        {"lead F5", "\xF5\x80\x80\x80", U'\uFFFD', 1},
        {"cut short", "\xE3\x81", U'\uFFFD', 1},
        {"bad continuation", "\xE3\x41\x82", U'\uFFFD', 1},
    };
    for (const auto& c : cases) {
        const DecodedChar decoded = decode_first_char(c.text);
        EXPECT_EQ(decoded.ch, c.ch) << c.name;
        EXPECT_EQ(decoded.size, c.size) << c.name;
    }
}

}  // namespace
}  // namespace tastrel
