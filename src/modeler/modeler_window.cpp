#include "modeler/modeler_window.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace tastrel {
namespace {

constexpr std::string_view titles[] = {"LightWave Modeler 5.0", "LightWave Modeler 5.5", "LightWave Modeler 5.6"};
// The buffer GetWindowTextA gets.
constexpr int title_chars = 255;

}  // namespace

// One pass over the desktop instead of one per title: a search that finds
// nothing walks every window.
host::WindowHandle Get_Modeler_Hwnd(host::WindowSystem& windows) { return windows.find_first_window(titles); }

// A title found in another letter case (the search ignores case) is never
// known: each call searches.
host::WindowHandle ModelerWindow::known(bool absence_checked) {
    if (searched_ && window_ == host::no_window && !absence_checked) return window_;
    if (searched_ && window_ != host::no_window && title_ < std::size(titles) && windows_.is_window(window_) &&
        windows_.window_text(window_, title_chars) == titles[title_])
        return window_;
    window_ = Get_Modeler_Hwnd(windows_);
    searched_ = true;
    const std::string text = window_ != host::no_window ? windows_.window_text(window_, title_chars) : "";
    title_ = static_cast<std::size_t>(std::find(std::begin(titles), std::end(titles), text) - std::begin(titles));
    return window_;
}

}  // namespace tastrel
