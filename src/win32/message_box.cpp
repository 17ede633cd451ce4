#include "win32/message_box.h"

#include <vector>

#include <windows.h>

#include "win32/form_window.h"
#include "win32/other_windows_disabled.h"
#include "win32/wide.h"

namespace tastrel::win32 {
namespace {

host::Answer answer_of(int result) {
    switch (result) {
    case IDYES: return host::Answer::yes;
    case IDNO: return host::Answer::no;
    case IDOK: return host::Answer::ok;
    default: return host::Answer::cancel;  // IDCANCEL, or the box could not be shown
    }
}

// One of the program's forms that is on screen: the first in Z order.
BOOL CALLBACK find_shown_form(HWND window, LPARAM found) noexcept {
    if (!is_form(window) || !IsWindowVisible(window) || IsIconic(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The active window owns the box. When another program is in front (the end
// of a Windows session asks while Modeler is), a form on screen owns it
// instead: an owned window comes above its owner, even an always-in-front
// one, where MB_TOPMOST alone is not honoured everywhere.
HWND owner_for_box() {
    HWND owner = GetActiveWindow();
    if (owner == nullptr) EnumThreadWindows(GetCurrentThreadId(), find_shown_form, reinterpret_cast<LPARAM>(&owner));
    return owner;
}

}  // namespace

host::Answer Win32Dialogs::message_box(std::string_view text, std::string_view title, host::Buttons buttons) {
    const HWND owner = owner_for_box();
    UINT flags = buttons == host::Buttons::ok ? MB_OK : MB_YESNOCANCEL | MB_DEFBUTTON1;
    // Without an owner the box must not open behind the program's topmost windows.
    if (owner == nullptr) flags |= MB_TASKMODAL | MB_TOPMOST;
    int result = 0;
    {
        const OtherWindowsDisabled others(owner);
        result = MessageBoxW(owner, widen(text).c_str(), widen(title).c_str(), flags);
    }
    if (buttons == host::Buttons::ok) return host::Answer::ok;
    return answer_of(result);
}

}  // namespace tastrel::win32
