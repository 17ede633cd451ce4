#pragma once
#include <vector>

#include <windows.h>

namespace tastrel::win32 {

// While a box or a file dialog is up none of the program's windows may take a
// click that would run a handler in the middle of another. The system disables
// only the owner (MB_TASKMODAL helps only when there is none), so this
// disables the rest.
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

}  // namespace tastrel::win32
