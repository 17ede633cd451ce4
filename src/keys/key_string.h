#pragma once
// Key strings in the classic SendKeys syntax: "+(abc){BACKSPACE 2}", "^(z)",
// "%({F4})". The whole string is read before anything is typed, and a string
// with an error types nothing.
#include <cstddef>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "keys/key_types.h"

namespace tastrel::keys {

enum class ParseErrorKind {
    unmatched_closer,       // "a}", "a)": nothing open
    modifier_already_down,  // "++a", "^(^a)"
    unclosed_brace,         // "{ENTER", "{a 3"
    bad_repeat_count,       // "{a x}", "{a 3 }"
    unknown_key_name,       // "{FOO}", "{}", "{ }"
    too_deeply_nested,      // "((((a))))": groups nest three deep at most
    unclosed_group,         // "+(ab"
};

struct ParseError {
    ParseErrorKind kind;
    std::size_t position;  // byte offset of the "{", "(", ")", "}" or modifier at fault
    friend bool operator==(const ParseError&, const ParseError&) = default;
};

// The events of a key string, or the first error in it.
class ParseResult {
public:
    ParseResult(std::vector<KeyEvent> events) : value_(std::move(events)) {}
    ParseResult(ParseError error) : value_(error) {}

    bool ok() const { return std::holds_alternative<std::vector<KeyEvent>>(value_); }
    // Empty for a string with an error.
    const std::vector<KeyEvent>& events() const;
    const ParseError* error() const { return std::get_if<ParseError>(&value_); }

private:
    std::variant<std::vector<KeyEvent>, ParseError> value_;
};

// Repeat counts above this are refused, so a slip such as "{h 10000000}"
// cannot flood the receiving program.
inline constexpr int max_repeat_count = 1000;

ParseResult parse_key_string(std::string_view text, const KeyboardLayout& layout);

std::string_view describe(ParseErrorKind kind);

}  // namespace tastrel::keys
