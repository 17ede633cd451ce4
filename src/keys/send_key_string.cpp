#include "keys/send_key_string.h"

#include "keys/key_string.h"

namespace tastrel {

host::SendOutcome send_key_string(host::Keystrokes& keystrokes, std::string_view key_string) {
    const keys::ParseResult parsed = keys::parse_key_string(key_string, keystrokes.layout());
    if (!parsed.ok()) return host::SendOutcome::invalid;
    return keystrokes.type(parsed.events()) ? host::SendOutcome::sent : host::SendOutcome::incomplete;
}

}  // namespace tastrel
