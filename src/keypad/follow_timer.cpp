// The keypad's follow timer: every 50 ms it records the edit fields of the
// pop-up Modeler has open, so that a press knows where to type.
#include <algorithm>
#include <cctype>

#include "keypad/keypad_form.h"
#include "modeler/modeler_window.h"

namespace tastrel {
namespace {

// The buffer GetClassNameA gets.
constexpr int class_name_chars = 255;

// The first child counts when its class begins with "Edit"; the others
// are compared as the window manager compares class names, whole and
// without regard to letter case.
bool begins_with_edit(const std::string& name) { return name.compare(0, 4, "Edit") == 0; }

bool is_edit_class(const std::string& name) {
    return name.size() == 4 && std::equal(name.begin(), name.end(), "edit", [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

}  // namespace

void KeypadForm::Timer1_Timer() { follow(false); }

// The table is recorded again when the pop-up is another or may have other
// fields since; a tick in which nothing changed only looks at Modeler and
// its pop-up.
void KeypadForm::follow(bool for_press) {
    host::WindowHandle modeler = modeler_.current();
    if (modeler == host::no_window && for_press) modeler = modeler_.find();
    // Without Modeler, the handle 0 would make the scan walk the desktop.
    const host::WindowHandle popup = modeler == host::no_window ? host::no_window
                                     : for_press                  ? services_.windows.last_active_popup(modeler)
                                                                  : modeler_.current_popup();
    // Another dialog than the one followed so far starts at its first field, too.
    if (modeler == host::no_window || popup == modeler || (popup != host::no_window && popup != followed_popup_)) Edit_No = 0;
    if (popup != host::no_window) followed_popup_ = popup;
    if (popup != Popup_Hwnd || modeler != Modeler_Hwnd) fields_known_ = false;
    Modeler_Hwnd = modeler;
    Popup_Hwnd = popup;
    if (fields_known_) return;
    Edit_Hwnd.fill(host::no_window);
    if (Popup_Hwnd != host::no_window) record_edit_fields();
    fields_known_ = true;
}

// The pop-up's direct children from the top of the Z order. The table keeps
// its last entry 0, so a pop-up with more fields records the first ones.
void KeypadForm::record_edit_fields() {
    host::WindowSystem& windows = services_.windows;
    host::WindowHandle child = windows.top_child(Popup_Hwnd);
    if (child == host::no_window) return;
    const std::string first_class = windows.class_name(child, class_name_chars);
    if (first_class.empty()) return;
    std::size_t count = 0;
    if (begins_with_edit(first_class)) Edit_Hwnd[count++] = child;
    while (count + 1 < Edit_Hwnd.size()) {
        child = windows.next_sibling(child);
        if (child == host::no_window) break;
        if (is_edit_class(windows.class_name(child, class_name_chars))) Edit_Hwnd[count++] = child;
    }
}

}  // namespace tastrel
