// Any bytes as a key string, on the US and the Japanese layouts: the parser
// must come to an end without a fault, and a string it accepts must leave
// the keyboard as it found it.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "keys/key_string.h"
#include "support/keyboard_layouts.h"

using namespace tastrel;

namespace {

// Which keys and Unicode characters are down, as the receiving program sees them.
class Keyboard {
public:
    void press(const keys::KeyEvent& event) {
        // A key that is down already would auto-repeat, not go down.
        if (!set(event, true)) std::abort();
    }
    void release(const keys::KeyEvent& event) {
        if (!set(event, false)) std::abort();
    }
    bool all_up() const { return keys_down_ == 0 && unicode_down_.empty(); }

private:
    // False when the key is already in that state.
    bool set(const keys::KeyEvent& event, bool down) {
        if (event.kind == keys::KeyEvent::Kind::unicode)
            return down ? unicode_down_.insert(event.ch).second : unicode_down_.erase(event.ch) == 1;
        if (key_down_[event.vk] == down) return false;
        key_down_[event.vk] = down;
        keys_down_ += down ? 1 : -1;
        return true;
    }

    std::array<bool, 256> key_down_{};
    int keys_down_ = 0;
    std::set<char32_t> unicode_down_;
};

void check(std::string_view text, const keys::KeyboardLayout& layout) {
    const keys::ParseResult result = keys::parse_key_string(text, layout);
    if (const keys::ParseError* error = result.error()) {
        // A string with an error types nothing, and the error points into it.
        if (!result.events().empty() || error->position >= text.size()) std::abort();
        return;
    }
    Keyboard keyboard;
    for (const keys::KeyEvent& event : result.events()) {
        if (event.down)
            keyboard.press(event);
        else
            keyboard.release(event);
    }
    if (!keyboard.all_up()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The raw bytes, malformed UTF-8 included: the parser has to cope.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(text, test::us_layout());
    check(text, test::japanese_layout());
    return 0;
}
