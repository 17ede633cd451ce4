#pragma once
// How keypad_cpu talks to the minimal follower, a program of its own: its
// hidden window's class, and the counts it answers with when sent `query`
// with one of them as wParam.
#include <windows.h>

namespace minimal_follower {

inline constexpr wchar_t window_class[] = L"TastrelBenchMinimalFollower";
inline constexpr UINT query = WM_APP;
enum Count : WPARAM { follow_ticks, watch_ticks, recorded_fields, count_kinds };

}  // namespace minimal_follower
