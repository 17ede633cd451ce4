#include "win32/focus_hand_back.h"

#include "win32/form_window.h"

namespace tastrel::win32 {
namespace {

constexpr UINT decline_ms = 500;
BOOL CALLBACK decline(HWND window, LPARAM) {
    if (is_form(window)) decline_activation_briefly(window);
    return TRUE;
}

}  // namespace

void decline_activation_briefly() { EnumThreadWindows(GetCurrentThreadId(), decline, 0); }

void decline_activation_briefly(HWND form) {
    SetWindowLongPtrW(form, GWL_EXSTYLE, GetWindowLongPtrW(form, GWL_EXSTYLE) | WS_EX_NOACTIVATE);
    SetTimer(form, decline_activation_timer_id, decline_ms, nullptr);
}

void accept_activation_again(HWND form) {
    KillTimer(form, decline_activation_timer_id);
    SetWindowLongPtrW(form, GWL_EXSTYLE, GetWindowLongPtrW(form, GWL_EXSTYLE) & ~WS_EX_NOACTIVATE);
}

}  // namespace tastrel::win32
