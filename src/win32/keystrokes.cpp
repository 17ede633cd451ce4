#include "win32/keystrokes.h"

namespace tastrel::win32 {

const keys::KeyboardLayout& Win32Keystrokes::layout() { return injector_.emplace(GetForegroundWindow()); }

bool Win32Keystrokes::type(std::span<const keys::KeyEvent> events) {
    if (!injector_) injector_.emplace(GetForegroundWindow());
    return injector_->send(events).complete();
}

}  // namespace tastrel::win32
