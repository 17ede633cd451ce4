#pragma once
// The user32 window functions the program calls on any window, its own or
// Modeler's, over opaque handles.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "host/window_handle.h"

namespace tastrel::host {

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
};
struct PixelPoint {
    int x = 0, y = 0;
};

enum class Minimised { restore, leave };

enum class ZBand { topmost, not_topmost };  // HWND_TOPMOST, HWND_NOTOPMOST

// What the system tells of other programs' windows as it happens, where it
// tells it (Wine 8: windows made, and the focus moving between another
// program's fields; Windows: much more). A fast path only: the program
// checks what it knows all the same.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    // A window was made, shown, renamed or destroyed; a top-level one has no parent.
    virtual void window_changed(WindowHandle window, bool top_level) = 0;
    // The keyboard focus, or the front, moved to this window.
    virtual void focus_moved(WindowHandle window) = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // FindWindowA with no class name for each title in turn, in one pass over
    // the windows: the top-level window whose whole title is the first of
    // `titles` that names any, compared as FindWindowA does (not
    // case-sensitive); of several with that title, the first in Z order.
    virtual WindowHandle find_first_window(std::span<const std::string_view> titles) = 0;
    WindowHandle find_window(std::string_view title) { return find_first_window({&title, 1}); }
    // From now on the events of other programs' windows go there; nullptr: nowhere.
    virtual void report_events(WindowEvents* events) = 0;
    // IsWindow: the handle still names a window.
    virtual bool is_window(WindowHandle window) = 0;
    // GetWindowTextA with a count of at most `max_chars`.
    virtual std::string window_text(WindowHandle window, int max_chars) = 0;
    // GetLastActivePopup: the window itself when it has no active pop-up, 0 on failure.
    virtual WindowHandle last_active_popup(WindowHandle window) = 0;
    // SetWindowPos into or out of the topmost band, at that rectangle, shown
    // and not activated (SWP_NOACTIVATE | SWP_SHOWWINDOW); false when the call fails.
    virtual bool put_in_band(WindowHandle window, ZBand band, PixelRect rect) = 0;
    // The left and top of the window's normal (restored) rectangle from
    // GetWindowPlacement, in its own coordinates; nothing when the call fails.
    virtual std::optional<PixelPoint> normal_position(WindowHandle window) = 0;
    // What turns those into screen coordinates, where SetWindowPos places
    // the window: Windows gives a top-level window's placement in workspace
    // coordinates, from the corner of its monitor's work area, which a
    // taskbar on the left or at the top moves; Wine gives screen coordinates.
    virtual PixelPoint workspace_offset(WindowHandle window) = 0;
    // Brings the top-level window to the front, as AppActivate does with the
    // title read from it. A minimised window is restored only when keys are
    // to be typed into it: handing the focus back leaves it minimised, and in
    // the background. False when the window has gone or did not come to the front.
    virtual bool activate(WindowHandle window, Minimised minimised) = 0;

    // GetTopWindow: the child at the top of the window's children in Z order;
    // 0 when it has none.
    virtual WindowHandle top_child(WindowHandle parent) = 0;
    // GetWindow with GW_HWNDNEXT: the window below this one among its
    // siblings; 0 at the bottom.
    virtual WindowHandle next_sibling(WindowHandle window) = 0;
    // GetClassNameA with a count of at most `max_chars`; empty when the call fails.
    virtual std::string class_name(WindowHandle window, int max_chars) = 0;
    // Makes a control of another program's window take the keyboard: its
    // top-level window comes to the front and the control gets the focus.
    // False when either did not happen.
    virtual bool focus_control(WindowHandle control) = 0;
};

}  // namespace tastrel::host
