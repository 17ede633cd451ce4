#include "keys/send_key_string.h"

#include "keys/key_string.h"

namespace tastrel {

host::SendOutcome send_key_string(host::Keystrokes& keystrokes, std::string_view key_string, host::WindowHandle target) {
    const keys::ParseResult parsed = keys::parse_key_string(key_string, keystrokes.layout());
    return parsed.ok() ? keystrokes.type(parsed.events(), target) : host::SendOutcome::invalid;
}

}  // namespace tastrel
