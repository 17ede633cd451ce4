#pragma once
// The forms' timers. Every timer of the same interval ticks on one thread
// timer, so the pop-up watch and the keypad's follow timer tick together:
// one timer message for both, and what the one looked at the other need not
// look at again. A timer keeps its interval; it takes the common beat.
#include <map>
#include <utility>

#include <windows.h>

#include "host/form_peer.h"

namespace tastrel::win32 {

class FormTimers {
public:
    // Starts, changes or stops the form's timer; set again with its interval,
    // a running timer keeps its count. Throws when the system refuses a timer.
    void set(host::FormEvents& form, int control, int interval_ms, bool enabled);
    // The form's window is going: none of its timers ticks again.
    void stop_all(host::FormEvents& form);

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR timer, DWORD) noexcept;
    void beat(UINT_PTR timer);
    void stop_unused_beats();

    std::map<std::pair<host::FormEvents*, int>, int> intervals_;  // form and control to interval
    std::map<int, UINT_PTR> beats_;                                 // interval to thread timer
};

// The thread's timers.
FormTimers& form_timers();

}  // namespace tastrel::win32
