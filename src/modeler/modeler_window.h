#pragma once
// Finding LightWave Modeler's main window by its three titles, and knowing
// it between searches.
#include <cstddef>

#include "host/window_system.h"

namespace tastrel {

// The first of "LightWave Modeler 5.0", "5.5", "5.6" that names an open
// top-level window (whole-title match); no_window when none does.
host::WindowHandle Get_Modeler_Hwnd(host::WindowSystem& windows);

// Modeler's main window as that search finds it, kept between searches. The
// window found last is checked (still a window, still its title), and the
// search runs again only when the check fails or a top-level window has
// appeared since, as the window system reports: one that appears may carry
// a title that goes before the one known.
class ModelerWindow {
public:
    explicit ModelerWindow(host::WindowSystem& windows) : windows_(windows) {}
    // For what the user does: Modeler absent is looked for again.
    host::WindowHandle find() { return known(true); }
    // For the timers' ticks: Modeler absent stays absent until a window appears.
    host::WindowHandle current() { return known(false); }
    void window_appeared() { searched_ = false; }

private:
    host::WindowHandle known(bool absence_checked);

    host::WindowSystem& windows_;
    host::WindowHandle window_{};
    std::size_t title_ = 0;  // of the titles, the one it carries
    bool searched_ = false;
};

}  // namespace tastrel
