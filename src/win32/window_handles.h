#pragma once
// The seam's opaque window handles are HWNDs on Windows.
#include <windows.h>

#include "host/window_handle.h"

namespace tastrel::win32 {

inline HWND to_hwnd(host::WindowHandle window) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)); }

inline host::WindowHandle to_handle(HWND window) {
    return static_cast<host::WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

}  // namespace tastrel::win32
