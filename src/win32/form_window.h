#pragma once
// The forms' windows: one top-level window per loaded form, with its menu
// bar, buttons, tooltips and timers.
#include <memory>

#include <windows.h>

#include "host/form_peer.h"
#include "host/screen.h"
#include "win32/failure.h"

namespace tastrel::win32 {

// Gives a queued message to the form it belongs to before it is dispatched:
// mouse messages reach the form's tooltips, and Tab and the arrow keys move
// between its controls as in a dialog. True when the message was handled.
bool preprocess_form_message(MSG& message);

// Whether the window is one of the forms' own top-level windows.
bool is_form(HWND window);

class Win32FormFactory : public host::FormFactory {
public:
    // How a form's controls are made. `palette_first` is for start-up: the
    // palette's own buttons come with its window, and the rest (the editor
    // beside the palette, the keypad's keys) wait for complete_forms(), which
    // the message loop calls once the palette has painted. The keypad makes
    // its own when it paints before then.
    enum class Controls { at_once, palette_first };

    // `report` tells a failure that reached a window procedure.
    explicit Win32FormFactory(const host::Screen& screen, Controls controls = Controls::at_once,
                              FailureReport report = report_failure);
    // Throws std::runtime_error when the window or a control cannot be created.
    std::unique_ptr<host::FormPeer> create_form(const host::FormLayout& layout, host::FormEvents& events) override;
    // Start-up is over: the forms get the controls that waited, and forms
    // made from now on get all theirs at once.
    void complete_forms();

private:
    const host::Screen& screen_;
    FailureReport report_;
    int open_forms_ = 0;
    bool palette_first_;
};

}  // namespace tastrel::win32
