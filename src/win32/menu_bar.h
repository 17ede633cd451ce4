#pragma once
#include <span>

#include "host/layout.h"
#include "win32/handles.h"

namespace tastrel::win32 {

// The form's menu bar from its layout: each bar entry opens a pop-up with the
// items that follow it. Nothing when the form has no menu.
UniqueMenu make_menu_bar(std::span<const host::MenuLayout> menu);

// True when `id` is an item of the menu that runs a command.
bool is_menu_command(std::span<const host::MenuLayout> menu, int id);

}  // namespace tastrel::win32
