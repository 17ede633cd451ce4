#include "modeler/modeler_window.h"

namespace tastrel {

host::WindowHandle Get_Modeler_Hwnd(host::WindowSystem& windows) {
    for (const char* title : {"LightWave Modeler 5.0", "LightWave Modeler 5.5", "LightWave Modeler 5.6"}) {
        host::WindowHandle found = windows.find_window(title);
        if (found != host::no_window) return found;
    }
    return host::no_window;
}

std::string Modeler_Title_Of(host::WindowSystem& windows, host::WindowHandle modeler) {
    return windows.window_text(modeler, 255);
}

}  // namespace tastrel
