#include "win32/keystrokes.h"

#include "keys/key_string.h"
#include "win32/key_injector.h"

namespace tastrel::win32 {

host::SendOutcome Win32Keystrokes::send_keys(std::string_view key_string) {
    const SendInputInjector injector(GetForegroundWindow());
    const keys::ParseResult parsed = keys::parse_key_string(key_string, injector);
    if (!parsed.ok()) return host::SendOutcome::invalid;
    return injector.send(parsed.events()).complete() ? host::SendOutcome::sent : host::SendOutcome::incomplete;
}

}  // namespace tastrel::win32
