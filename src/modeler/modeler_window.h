#pragma once
// Finding LightWave Modeler's main window by its three titles.
#include <string>

#include "host/window_system.h"

namespace tastrel {

// The first of "LightWave Modeler 5.0", "5.5", "5.6" that names an open
// top-level window (whole-title match); no_window when none does.
host::WindowHandle Get_Modeler_Hwnd(host::WindowSystem& windows);


}  // namespace tastrel
