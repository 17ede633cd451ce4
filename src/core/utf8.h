#pragma once
// Text inside the program is UTF-8; these count characters, not bytes.
#include <cstddef>
#include <string_view>

namespace tastrel {

std::size_t char_count(std::string_view text);

// `text` without its first `count` characters (empty when it has fewer).
std::string_view drop_chars(std::string_view text, std::size_t count);

// The first character of a non-empty `text` and how many bytes it takes. A
// malformed sequence gives U+FFFD for its first byte alone, so decoding
// always moves on.
struct DecodedChar {
    char32_t ch;
    std::size_t size;
};
DecodedChar decode_first_char(std::string_view text);

}  // namespace tastrel
