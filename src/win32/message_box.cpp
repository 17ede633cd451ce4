#include "win32/message_box.h"

#include <windows.h>

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

}  // namespace

host::Answer Win32Dialogs::message_box(std::string_view text, std::string_view title, host::Buttons buttons) {
    const UINT button_flags = buttons == host::Buttons::ok ? MB_OK : MB_YESNOCANCEL | MB_DEFBUTTON1;
    // Task-modal: while the box is up neither of the program's windows takes
    // clicks that would run a handler in the middle of another.
    const int result = MessageBoxW(GetActiveWindow(), widen(text).c_str(), widen(title).c_str(),
                                   button_flags | MB_TASKMODAL);
    if (buttons == host::Buttons::ok) return host::Answer::ok;
    return answer_of(result);
}

}  // namespace tastrel::win32
