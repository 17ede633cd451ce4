#include "keys/key_string.h"

#include <optional>

#include "core/utf8.h"
#include "keys/key_names.h"

namespace tastrel::keys {
namespace {

constexpr std::size_t max_group_depth = 3;

std::optional<VirtualKey> modifier_of(char c) {
    switch (c) {
    case '+': return vk_shift;
    case '^': return vk_control;
    case '%': return vk_alt;
    default: return std::nullopt;
    }
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// "{name}" or "{name count}", its name not yet looked up.
struct Brace {
    std::string_view name;
    int count = 1;
    std::size_t end = 0;  // just past the closing "}"
};

std::variant<Brace, ParseErrorKind> read_brace(std::string_view text, std::size_t open) {
    const std::size_t start = open + 1;
    std::size_t i = start;
    // A "}" first is the name itself when a later "}" closes it: "{}}", "{} 3}".
    if (i < text.size() && text[i] == '}' && text.find('}', i + 1) != std::string_view::npos) ++i;
    while (i < text.size() && text[i] != '}' && !is_blank(text[i])) ++i;
    if (i == text.size()) return ParseErrorKind::unclosed_brace;
    Brace brace;
    brace.name = text.substr(start, i - start);
    if (brace.name.empty()) return ParseErrorKind::unknown_key_name;
    if (text[i] != '}') {
        while (i < text.size() && is_blank(text[i])) ++i;
        const std::size_t digits = i;
        brace.count = 0;
        for (; i < text.size() && is_digit(text[i]); ++i) {
            brace.count = brace.count * 10 + (text[i] - '0');
            if (brace.count > max_repeat_count) return ParseErrorKind::bad_repeat_count;
        }
        if (i == text.size()) return ParseErrorKind::unclosed_brace;
        if (i == digits || text[i] != '}') return ParseErrorKind::bad_repeat_count;
    }
    brace.end = i + 1;
    return brace;
}

// One pass over the string with one modifier state for all of it: a modifier
// goes down where it is written and up after the character, brace or group
// it applies to.
class Parser {
public:
    Parser(std::string_view text, const KeyboardLayout& layout) : text_(text), layout_(layout) {}

    ParseResult run() {
        while (pos_ < text_.size())
            if (std::optional<ParseError> error = step()) return *error;
        if (!open_groups_.empty()) return ParseError{ParseErrorKind::unclosed_group, open_groups_.back()};
        release_pending();  // a trailing modifier is pressed and released
        return std::move(events_);
    }

private:
    struct Held {
        VirtualKey vk;
        std::size_t group;  // depth of the group it holds down; 0 until it applies to something
    };

    std::optional<ParseError> step() {
        const std::size_t at = pos_;
        const char c = text_[at];
        if (std::optional<VirtualKey> modifier = modifier_of(c)) {
            ++pos_;
            return press_modifier(*modifier, at);
        }
        switch (c) {
        case '(': ++pos_; return open_group(at);
        case ')': ++pos_; return close_group(at);
        case '}': return ParseError{ParseErrorKind::unmatched_closer, at};
        case '{': return type_brace(at);
        case '~':
            ++pos_;
            type_key({vk_enter, false}, 1);
            break;
        default: {
            const DecodedChar decoded = decode_first_char(text_.substr(at));
            pos_ += decoded.size;
            type_char(decoded.ch, 1);
        }
        }
        release_pending();
        return std::nullopt;
    }

    std::optional<ParseError> press_modifier(VirtualKey vk, std::size_t at) {
        if (is_down(vk)) return ParseError{ParseErrorKind::modifier_already_down, at};
        events_.push_back(KeyEvent::key(vk, true));
        held_.push_back({vk, 0});
        return std::nullopt;
    }

    std::optional<ParseError> open_group(std::size_t at) {
        if (open_groups_.size() == max_group_depth) return ParseError{ParseErrorKind::too_deeply_nested, at};
        open_groups_.push_back(at);
        for (Held& held : held_)
            if (held.group == 0) held.group = open_groups_.size();
        return std::nullopt;
    }

    std::optional<ParseError> close_group(std::size_t at) {
        if (open_groups_.empty()) return ParseError{ParseErrorKind::unmatched_closer, at};
        release_pending();  // "(a+)": a modifier with nothing after it in the group
        while (!held_.empty() && held_.back().group == open_groups_.size()) release_last();
        open_groups_.pop_back();
        return std::nullopt;
    }

    std::optional<ParseError> type_brace(std::size_t at) {
        const std::variant<Brace, ParseErrorKind> read = read_brace(text_, at);
        if (const ParseErrorKind* kind = std::get_if<ParseErrorKind>(&read)) return ParseError{*kind, at};
        const Brace& brace = std::get<Brace>(read);
        if (std::optional<NamedKey> key = named_key(brace.name)) {
            type_key(*key, brace.count);
        } else {
            // Not a key name: one character, typed as it is ("{+}", "{a}", "{é}").
            const DecodedChar decoded = decode_first_char(brace.name);
            if (decoded.size != brace.name.size()) return ParseError{ParseErrorKind::unknown_key_name, at};
            type_char(decoded.ch, brace.count);
        }
        pos_ = brace.end;
        release_pending();
        return std::nullopt;
    }

    void type_key(NamedKey key, int count) {
        for (int i = 0; i < count; ++i) {
            events_.push_back(KeyEvent::key(key.vk, true, key.extended));
            events_.push_back(KeyEvent::key(key.vk, false, key.extended));
        }
    }

    void type_char(char32_t ch, int count) {
        const std::optional<KeyStroke> stroke = layout_.key_for(ch);
        for (int i = 0; i < count; ++i) {
            if (stroke) {
                type_stroke(*stroke);
            } else {
                events_.push_back(KeyEvent::unicode(ch, true));
                events_.push_back(KeyEvent::unicode(ch, false));
            }
        }
    }

    // The layout's own SHIFT, CTRL and ALT go down around the key, unless the
    // string holds them down already ("+J", "^(J)").
    void type_stroke(const KeyStroke& stroke) {
        VirtualKey pressed[3] = {};
        std::size_t count = 0;
        for (auto [vk, needed] : {std::pair{vk_shift, stroke.shift}, std::pair{vk_control, stroke.ctrl},
                                  std::pair{vk_alt, stroke.alt}}) {
            if (!needed || is_down(vk)) continue;
            events_.push_back(KeyEvent::key(vk, true));
            pressed[count++] = vk;
        }
        events_.push_back(KeyEvent::key(stroke.vk, true));
        events_.push_back(KeyEvent::key(stroke.vk, false));
        while (count > 0) events_.push_back(KeyEvent::key(pressed[--count], false));
    }

    bool is_down(VirtualKey vk) const {
        for (const Held& held : held_)
            if (held.vk == vk) return true;
        return false;
    }

    // Modifiers waiting for something to apply to are always the last pressed.
    void release_pending() {
        while (!held_.empty() && held_.back().group == 0) release_last();
    }

    void release_last() {
        events_.push_back(KeyEvent::key(held_.back().vk, false));
        held_.pop_back();
    }

    std::string_view text_;
    const KeyboardLayout& layout_;
    std::size_t pos_ = 0;
    std::vector<KeyEvent> events_;
    std::vector<Held> held_;                // in the order they went down
    std::vector<std::size_t> open_groups_;  // where each open "(" stands
};

}  // namespace

const std::vector<KeyEvent>& ParseResult::events() const {
    static const std::vector<KeyEvent> none;
    const auto* events = std::get_if<std::vector<KeyEvent>>(&value_);
    return events != nullptr ? *events : none;
}

ParseResult parse_key_string(std::string_view text, const KeyboardLayout& layout) {
    return Parser(text, layout).run();
}

std::string_view describe(ParseErrorKind kind) {
    switch (kind) {
    case ParseErrorKind::unmatched_closer: return "closing brace or parenthesis with nothing open";
    case ParseErrorKind::modifier_already_down: return "modifier already down";
    case ParseErrorKind::unclosed_brace: return "closing brace missing";
    case ParseErrorKind::bad_repeat_count: return "repeat count not valid";
    case ParseErrorKind::unknown_key_name: return "key name not valid";
    case ParseErrorKind::too_deeply_nested: return "groups nested more than three deep";
    case ParseErrorKind::unclosed_group: return "group not closed";
    }
    return "key string not valid";
}

}  // namespace tastrel::keys
