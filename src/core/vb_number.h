#pragma once
// Numbers as the settings file and the window geometry use them: lenient
// reading of decimal text, rounding halves to even, 16-bit positions.
#include <cstdint>
#include <string>
#include <string_view>

namespace tastrel {

// Reads the longest decimal number at the start of `text`: blanks, tabs and
// line breaks are ignored wherever they stand, one optional sign, digits with
// one "." and an optional exponent. Text that starts with no number gives 0.
double read_number(std::string_view text);

// Nearest integer, a value exactly halfway going to the even neighbour.
// Values beyond the 32-bit range saturate.
std::int32_t round_half_even(double value);

// Rounds as above and clamps into -32768..32767, the range of a stored position.
std::int16_t to_position(double value);
std::int16_t clamp_to_position(std::int64_t value);

// The shortest plain decimal form: "6180", "6172.5", "-300"; never an exponent.
std::string shortest_decimal(double value);

}  // namespace tastrel
