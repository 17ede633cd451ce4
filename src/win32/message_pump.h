#pragma once
#include <windows.h>

namespace tastrel::win32 {

// What other threads send to this one, and with `paints` the paints of its
// windows: no input and nothing posted, so no click and no timer's tick
// starts a handler and no window of ours takes the keyboard (a button being
// clicked focuses itself) in the middle of the handler that is waiting.
// Those wait in the queue, in their order, for the main loop.
inline void handle_sent_messages(bool paints) {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    // A paint leaves the queue once the window has painted; a window that
    // never does must not keep this loop going.
    for (int painted = 0; paints && painted < 64 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT); ++painted)
        DispatchMessageW(&message);
}

}  // namespace tastrel::win32
