#pragma once
// The standard controls a form's layout asks for, and the painting of the
// coloured push buttons.
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include "host/layout.h"
#include "win32/scale.h"

namespace tastrel::win32 {

// Child-window ids stay clear of IDOK and IDCANCEL, which keyboard handling
// sends without a window, and of the menu ids.
inline constexpr int first_child_id = 2000;

// Creates the control at its place on the form (frames resolved), with this
// text and font. Nothing when the window could not be created.
HWND create_control(HWND form, const host::FormLayout& layout, const host::ControlLayout& place, Scale scale,
                    HFONT font, std::string_view text);

// Whether the control lies in the form's client area as designed. The
// palette's editor lies beside it: it is seen only when the form is widened.
bool inside_client_area(const host::FormLayout& layout, const host::ControlLayout& place);

// Fills an empty list box at once, drawn once at the end.
void fill_list(HWND list, const std::vector<std::string>& items);

// A push button in the buttons' colour: raised, sunken while pressed, its
// caption wrapped and centred, a focus rectangle when it has the focus.
void paint_button(const DRAWITEMSTRUCT& item, HBRUSH face_colour);

// The control's place on the form's client area in pixels.
RECT control_rect(const host::FormLayout& layout, const host::ControlLayout& place, Scale scale);

}  // namespace tastrel::win32
