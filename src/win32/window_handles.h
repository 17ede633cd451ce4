#pragma once
// The seam's opaque window handles are HWNDs on Windows.
#include <windows.h>

#include "host/window_handle.h"

namespace tastrel::win32 {

inline HWND to_hwnd(host::WindowHandle window) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)); }

inline host::WindowHandle to_handle(HWND window) {
    return static_cast<host::WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

// Whether the top-level window is in front; while a modal dialog of its own
// holds it disabled, that dialog in front counts, as it takes what the window
// would. A window that can take the keys itself must be in front itself.
inline bool in_front(HWND window) {
    const HWND front = GetForegroundWindow();
    return front != nullptr &&
           (front == window || (GetAncestor(front, GA_ROOTOWNER) == window && !IsWindowEnabled(window)));
}

}  // namespace tastrel::win32
