#include "win32/message_box.h"

#include <vector>

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

// While a box is up none of the program's windows may take a click that would
// run a handler in the middle of another. MessageBoxW disables only the owner
// (MB_TASKMODAL helps only when there is none), so this disables the rest.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND owner) : owner_(owner) {
        EnumThreadWindows(GetCurrentThreadId(), disable, reinterpret_cast<LPARAM>(this));
    }
    ~OtherWindowsDisabled() {
        for (HWND window : disabled_) EnableWindow(window, TRUE);
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK disable(HWND window, LPARAM context) noexcept {
        auto* self = reinterpret_cast<OtherWindowsDisabled*>(context);
        if (window == self->owner_ || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
        try {
            self->disabled_.push_back(window);
        } catch (...) {
            return FALSE;  // left enabled: better than left disabled for good
        }
        EnableWindow(window, FALSE);
        return TRUE;
    }

    HWND owner_;
    std::vector<HWND> disabled_;
};

}  // namespace

host::Answer Win32Dialogs::message_box(std::string_view text, std::string_view title, host::Buttons buttons) {
    const HWND owner = GetActiveWindow();
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
