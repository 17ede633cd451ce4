#pragma once
// Handing the keyboard to another program's window for good. When the
// window the window manager had focused goes away (the keypad closed), the
// window manager of an X desktop gives the focus to another window of ours,
// and Wine activates it: the palette would take the keyboard back from
// Modeler, however late that comes on a busy machine. After a hand-back our
// windows decline activation that the user did not ask for (a window that
// declines is still clicked, and the click lets them take it again).
#include <windows.h>

namespace tastrel::win32 {

// Every form declines, or one: a form shown without the focus.
void decline_activation();
void decline_activation(HWND form);
// The user clicked one of the forms: all take activation again. False when
// none declined.
bool accept_activation();
// A form's window was made: it takes activation until it declines.
void form_made();

}  // namespace tastrel::win32
