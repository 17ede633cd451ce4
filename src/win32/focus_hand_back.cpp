#include "win32/focus_hand_back.h"

namespace tastrel::win32 {
namespace {

constexpr UINT decline_ms = 500;
constexpr wchar_t form_class_name[] = L"Tastrel.Form";

BOOL CALLBACK decline(HWND window, LPARAM) {
    wchar_t name[32] = {};
    if (GetClassNameW(window, name, 32) > 0 && lstrcmpW(name, form_class_name) == 0) decline_activation_briefly(window);
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
