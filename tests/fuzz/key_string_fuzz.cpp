// Any bytes as a key string, on the US and the Japanese layouts: the parser
// must come to an end without a fault, and a string it accepts must leave
// the keyboard as it found it, never pressing a key that is already down.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "keys/key_string.h"
#include "support/keyboard_layouts.h"

using namespace tastrel;

namespace {

void check(std::string_view text, const host::KeyboardLayout& layout) {
    const keys::ParseResult result = keys::parse_key_string(text, layout);
    if (const keys::ParseError* error = result.error()) {
        // A string with an error types nothing, and the error points into it.
        if (!result.events().empty() || error->position >= text.size()) std::abort();
        return;
    }
    std::set<char32_t> down;  // virtual keys, and Unicode characters above them
    for (const host::KeyEvent& event : result.events()) {
        const char32_t key = event.kind == host::KeyEvent::Kind::unicode ? 0x100 + event.ch : event.vk;
        if (event.down ? !down.insert(key).second : down.erase(key) != 1) std::abort();
    }
    if (!down.empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The raw bytes, malformed UTF-8 included: the parser has to cope.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(text, test::us_layout());
    check(text, test::japanese_layout());
    return 0;
}
