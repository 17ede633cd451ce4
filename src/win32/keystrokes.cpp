#include "win32/keystrokes.h"

#include "win32/window_handles.h"

namespace tastrel::win32 {

const host::KeyboardLayout& Win32Keystrokes::layout() { return injector_.emplace(GetForegroundWindow()); }

// The last look at the front, right before the keys go.
host::SendOutcome Win32Keystrokes::type(std::span<const host::KeyEvent> events, host::WindowHandle target) {
    if (!in_front(GetAncestor(to_hwnd(target), GA_ROOT))) return host::SendOutcome::elsewhere;
    if (!injector_) injector_.emplace(GetForegroundWindow());
    return injector_->send(events).complete() ? host::SendOutcome::sent : host::SendOutcome::incomplete;
}

}  // namespace tastrel::win32
