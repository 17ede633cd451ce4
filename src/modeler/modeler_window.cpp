#include "modeler/modeler_window.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace tastrel {
namespace {

constexpr std::string_view titles[] = {"LightWave Modeler 5.0", "LightWave Modeler 5.5", "LightWave Modeler 5.6"};
// The buffer GetWindowTextA gets.
constexpr int title_chars = 255;
// Well within a tick: what the watch looked at, the follow timer need not look at again.
constexpr std::uint64_t fresh_ms = 10;

}  // namespace

// One pass over the desktop instead of one per title: a search that finds
// nothing walks every window.
host::WindowHandle Get_Modeler_Hwnd(host::WindowSystem& windows) { return windows.find_first_window(titles); }

host::WindowHandle ModelerWindow::find() { return look(true); }

host::WindowHandle ModelerWindow::current() {
    if (searched_ && !stale_ && app_.now_ms() - looked_at_ < fresh_ms) return window_;
    return look(false);
}

host::WindowHandle ModelerWindow::current_popup() {
    const host::WindowHandle window = current();
    if (!popup_known_) popup_ = window != host::no_window ? windows_.last_active_popup(window) : host::no_window;
    popup_known_ = true;
    return popup_;
}

// A title found in another letter case (the search ignores case) is never
// known: each look searches.
host::WindowHandle ModelerWindow::look(bool absence_checked) {
    looked_at_ = app_.now_ms();
    popup_known_ = stale_ = false;
    if (searched_ && window_ == host::no_window && !absence_checked) return window_;
    // A window that has gone has no title: one call checks both.
    if (searched_ && window_ != host::no_window && title_ < std::size(titles) &&
        windows_.window_text(window_, title_chars) == titles[title_])
        return window_;
    window_ = Get_Modeler_Hwnd(windows_);
    searched_ = true;
    const std::string text = window_ != host::no_window ? windows_.window_text(window_, title_chars) : "";
    title_ = static_cast<std::size_t>(std::find(std::begin(titles), std::end(titles), text) - std::begin(titles));
    return window_;
}

}  // namespace tastrel
