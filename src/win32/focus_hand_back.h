#pragma once
// Handing the keyboard to another program's window for good. Under Wine the
// window manager, when the window it had focused goes away (the keypad
// closed), gives the focus to another window of ours, and Wine activates it:
// the palette would take the keyboard back from Modeler. For a moment after a
// hand-back our windows cannot be activated that way.
#include <windows.h>

namespace tastrel::win32 {

// The forms' timer that ends the moment.
inline constexpr UINT_PTR decline_activation_timer_id = 999;

void decline_activation_briefly();
// The same for one form, when it is shown without the focus.
void decline_activation_briefly(HWND form);
void accept_activation_again(HWND form);

}  // namespace tastrel::win32
