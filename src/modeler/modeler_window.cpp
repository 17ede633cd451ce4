#include "modeler/modeler_window.h"

namespace tastrel {

// One pass over the desktop instead of one per title: a search that finds
// nothing walks every window, and this runs at every click and watch tick.
host::WindowHandle Get_Modeler_Hwnd(host::WindowSystem& windows) {
    static constexpr std::string_view titles[] = {"LightWave Modeler 5.0", "LightWave Modeler 5.5",
                                                  "LightWave Modeler 5.6"};
    return windows.find_first_window(titles);
}

}  // namespace tastrel
