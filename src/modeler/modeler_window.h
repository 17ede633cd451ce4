#pragma once
// Finding LightWave Modeler's main window by its three titles, and knowing
// it between searches.
#include <cstddef>
#include <cstdint>

#include "host/app.h"
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
    ModelerWindow(host::WindowSystem& windows, host::App& app) : windows_(windows), app_(app) {}
    // For what the user does: checked now, and Modeler absent is looked for again.
    host::WindowHandle find();
    // For the timers' ticks: Modeler absent stays absent until a window
    // appears, and a check made in the last few milliseconds holds: the
    // pop-up watch and the keypad's follow timer tick together.
    host::WindowHandle current();
    // Modeler's last active pop-up as the ticks see it: Modeler itself when
    // it has none, 0 when it is absent or the system cannot say.
    host::WindowHandle current_popup();
    // The system reported a window of another program made or changed, or
    // the focus moved: ticks look again; a top-level window may be a Modeler
    // that goes before the one known.
    void windows_changed(bool top_level) {
        searched_ = searched_ && !top_level;
        stale_ = true;
    }

private:
    host::WindowHandle look(bool absence_checked);

    host::WindowSystem& windows_;
    host::App& app_;
    host::WindowHandle window_{}, popup_{};
    std::size_t title_ = 0;  // of the titles, the one it carries
    bool searched_ = false, popup_known_ = false, stale_ = true;
    std::uint64_t looked_at_ = 0;
};

}  // namespace tastrel
