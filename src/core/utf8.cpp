#include "core/utf8.h"

namespace tastrel {
namespace {

bool is_continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

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
