#pragma once
// Text inside the program is UTF-8; these count characters, not bytes.
#include <cstddef>
#include <string_view>

namespace tastrel {

std::size_t char_count(std::string_view text);

// `text` without its first `count` characters (empty when it has fewer).
std::string_view drop_chars(std::string_view text, std::size_t count);

}  // namespace tastrel
