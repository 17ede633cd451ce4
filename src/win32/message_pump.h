#pragma once
#include <windows.h>

#include "win32/form_window.h"

namespace tastrel::win32 {

// Runs what is queued for this thread. A quit request is put back, so the
// main loop still sees it.
inline void pump_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (preprocess_form_message(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace tastrel::win32
