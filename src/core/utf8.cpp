#include "core/utf8.h"

namespace tastrel {
namespace {

bool is_continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

DecodedChar decode_first_char(std::string_view text) {
    constexpr DecodedChar malformed{U'\uFFFD', 1};
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return {lead, 1};
    // Lead bytes C0, C1 and F5..FF never start a valid sequence.
    const std::size_t size = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (size == 0 || lead > 0xF4 || text.size() < size) return malformed;
    char32_t ch = lead & (0x7F >> size);
    for (std::size_t i = 1; i < size; ++i) {
        if (!is_continuation(text[i])) return malformed;
        ch = (ch << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and code points past U+10FFFF.
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (ch < smallest[size] || (ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) return malformed;
    return {ch, size};
}

std::size_t char_count(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if (!is_continuation(c)) ++count;
    return count;
}

std::string_view drop_chars(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (; i < text.size() && count > 0; --count) {
        ++i;
        while (i < text.size() && is_continuation(text[i])) ++i;
    }
    return text.substr(i);
}

}  // namespace tastrel
