#pragma once
#include "core/version_numbers.h"

namespace tastrel {

inline constexpr const char* version_text = TASTREL_VERSION_TEXT;

}  // namespace tastrel
