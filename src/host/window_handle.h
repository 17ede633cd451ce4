#pragma once
#include <cstdint>

namespace tastrel::host {

// An opaque window handle: an HWND on Windows, a record of the fake desktop in
// tests. The zero handle means "no window".
enum class WindowHandle : std::uintptr_t {};
inline constexpr WindowHandle no_window{};

}  // namespace tastrel::host
