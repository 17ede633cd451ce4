#pragma once
// The host's side of a form: the real or headless window behind a loaded form,
// and the events that window delivers to the form.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/layout.h"
#include "host/window_handle.h"
#include "host/window_system.h"

namespace tastrel::host {

enum class WindowState { normal = 0, minimized = 1, maximized = 2 };

// Outer position and size of a window in twips.
struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual WindowHandle handle() const = 0;
    virtual TwipsRect bounds() const = 0;
    virtual void set_bounds(const TwipsRect& bounds) = 0;
    // The outer rectangle in pixels, where the window stands on the desktop.
    virtual PixelRect pixel_bounds() const = 0;
    virtual bool visible() const = 0;
    virtual void set_visible(bool visible) = 0;
    virtual WindowState state() const = 0;
    virtual void set_state(WindowState state) = 0;

    // Controls and timers, by the form's own control ids.
    virtual void set_text(int control, std::string_view text) = 0;
    virtual void set_tooltip(int control, std::string_view text) = 0;
    virtual void set_check(int control, int value) = 0;
    virtual void list_clear(int control) = 0;
    virtual void list_add(int control, std::string_view item) = 0;
    virtual void set_list_index(int control, int index) = 0;
    virtual void set_timer(int control, int interval_ms, bool enabled) = 0;
};

// What a form's window reports to the form; a report the form has no use
// for goes nowhere.
class FormEvents {
public:
    virtual ~FormEvents() = default;
    virtual void on_activate() {}
    virtual void on_resize() {}
    // A close request (close box, system menu, shutdown).
    virtual void on_close_request() {}
    // Windows asks whether the session may end (sign-out, restart, shutdown):
    // false keeps it going, as while the program is asking something
    // already. Then it says whether the session really ends.
    virtual bool on_session_ending() { return true; }
    virtual void on_session_end(bool /*ending*/) {}
    virtual void on_click(int /*control*/) {}  // buttons and menu items
    virtual void on_check_clicked(int /*control*/, int /*value*/) {}
    virtual void on_list_selected(int /*control*/, int /*index*/) {}
    virtual void on_text_changed(int /*control*/, std::string /*text*/) {}
    virtual void on_timer(int /*control*/) {}
};

class FormFactory {
public:
    virtual ~FormFactory() = default;
    // Creates the form's window, hidden, with its controls at their design places.
    virtual std::unique_ptr<FormPeer> create_form(const FormLayout& layout, FormEvents& events) = 0;
};

}  // namespace tastrel::host
