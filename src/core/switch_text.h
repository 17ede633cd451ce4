#pragma once
// The switches as the settings file stores them, and as the program keeps
// those that follow a check box: the texts "1" (on) and "0" (off).
#include <string_view>

#include "core/vb_number.h"

namespace tastrel {

inline constexpr const char* switch_on = "1";
inline constexpr const char* switch_off = "0";
inline const char* switch_text(bool on) { return on ? switch_on : switch_off; }
// A stored switch read as a number, as the check boxes take it.
inline int switch_value(std::string_view text) { return round_half_even(read_number(text)); }

}  // namespace tastrel
