#pragma once
// The forms' windows: one top-level window per loaded form, with its menu
// bar, buttons, tooltips and timers.
#include <memory>

#include <windows.h>

#include "host/form_peer.h"
#include "host/screen.h"

namespace tastrel::win32 {

// Gives a queued message to the form it belongs to before it is dispatched:
// mouse messages reach the form's tooltips, and Tab and the arrow keys move
// between its controls as in a dialog. True when the message was handled.
bool preprocess_form_message(MSG& message);

class Win32FormFactory : public host::FormFactory {
public:
    explicit Win32FormFactory(const host::Screen& screen);
    // Throws std::runtime_error when the window cannot be created.
    std::unique_ptr<host::FormPeer> create_form(host::FormKind kind, host::FormEvents& events) override;

private:
    const host::Screen& screen_;
    int open_forms_ = 0;
};

}  // namespace tastrel::win32
