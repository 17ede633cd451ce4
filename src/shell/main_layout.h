#pragma once
#include "host/layout.h"

namespace tastrel {

// The main window: the palette on the left, the editor to its right, out of
// view until the window widens.
const host::FormLayout& main_layout();

}  // namespace tastrel
