#include "win32/focus_hand_back.h"

#include <utility>

#include "win32/form_window.h"

namespace tastrel::win32 {
namespace {

// Every form declines already: each press and click hands the keyboard over,
// and going through the forms again each time would cost a trip to the
// window server for nothing.
bool all_decline = false;

bool declines(HWND form) { return (GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_NOACTIVATE) != 0; }

BOOL CALLBACK decline_form(HWND window, LPARAM) noexcept {
    if (is_form(window)) decline_activation(window);
    return TRUE;
}

BOOL CALLBACK accept_form(HWND window, LPARAM accepted) noexcept {
    if (!is_form(window) || !declines(window)) return TRUE;
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) & ~WS_EX_NOACTIVATE);
    *reinterpret_cast<bool*>(accepted) = true;
    return TRUE;
}

}  // namespace

void decline_activation() {
    if (!std::exchange(all_decline, true)) EnumThreadWindows(GetCurrentThreadId(), decline_form, 0);
}

void form_made() { all_decline = false; }

void decline_activation(HWND form) {
    if (!declines(form)) SetWindowLongPtrW(form, GWL_EXSTYLE, GetWindowLongPtrW(form, GWL_EXSTYLE) | WS_EX_NOACTIVATE);
}

bool accept_activation() {
    all_decline = false;
    bool accepted = false;
    EnumThreadWindows(GetCurrentThreadId(), accept_form, reinterpret_cast<LPARAM>(&accepted));
    return accepted;
}

}  // namespace tastrel::win32
