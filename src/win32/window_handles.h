#pragma once
// The seam's opaque window handles are HWNDs on Windows.
#include <windows.h>

#include "host/window_handle.h"

namespace tastrel::win32 {

inline HWND to_hwnd(host::WindowHandle window) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)); }

inline host::WindowHandle to_handle(HWND window) {
    return static_cast<host::WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

// Whether the top-level window is in front, or a window it owns, such as a
// dialog it keeps open over itself: the keys then go to that program still.
inline bool in_front(HWND window) {
    const HWND front = GetForegroundWindow();
    return front != nullptr && (front == window || GetAncestor(front, GA_ROOTOWNER) == window);
}

}  // namespace tastrel::win32
