// Decoding the characters of UTF-8 text one at a time.
#include <gtest/gtest.h>

#include "core/utf8.h"

namespace tastrel {
namespace {

TEST(Utf8, DecodesOneCharacterAndMalformedBytesAsReplacement) {
    const struct {
        std::string_view text;
        char32_t ch;
        std::size_t size;
    } cases[] = {
        {"ab", U'a', 1}, {"é", U'é', 2}, {"ｱ", U'ｱ', 3}, {"\xF0\x9F\x98\x80", U'\U0001F600', 4},
        {"\xF4\x8F\xBF\xBF", U'\U0010FFFF', 4}, {std::string_view("\0a", 2), U'\0', 1},
        // Lone continuation, overlong forms, a surrogate, past U+10FFFF, lead F5,
        // cut short, a bad continuation byte.
        {"\x80", U'\uFFFD', 1}, {"\xC0\xAF", U'\uFFFD', 1}, {"\xE0\x80\xAF", U'\uFFFD', 1},
        {"\xED\xA0\x80", U'\uFFFD', 1}, {"\xF4\x90\x80\x80", U'\uFFFD', 1}, {"\xF5\x80\x80\x80", U'\uFFFD', 1},
        {"\xE3\x81", U'\uFFFD', 1}, {"\xE3\x41\x82", U'\uFFFD', 1},
    };
    for (const auto& c : cases) {
        const DecodedChar decoded = decode_first_char(c.text);
        EXPECT_EQ(decoded.ch, c.ch) << testing::PrintToString(c.text);
        EXPECT_EQ(decoded.size, c.size) << testing::PrintToString(c.text);
    }
}

}  // namespace
}  // namespace tastrel
