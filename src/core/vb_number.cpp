#include "core/vb_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tastrel {
namespace {

bool is_ignored_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double read_number(std::string_view text) {
    // Collect the characters of the number with the blanks taken out, then let
    // from_chars convert them; it never reads past what we collected.
    std::string number;
    std::size_t i = 0;
    auto skip_blanks = [&] {
        while (i < text.size() && is_ignored_blank(text[i])) ++i;
    };
    auto take_digits = [&] {
        bool any = false;
        for (skip_blanks(); i < text.size() && is_digit(text[i]); skip_blanks()) {
            number += text[i++];
            any = true;
        }
        return any;
    };

    skip_blanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number += '-';
        ++i;
    }
    bool mantissa = take_digits();
    skip_blanks();
    if (i < text.size() && text[i] == '.') {
        ++i;
        number += '.';
        mantissa = take_digits() || mantissa;
    }
    if (!mantissa) return 0.0;

    skip_blanks();
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        while (j < text.size() && is_ignored_blank(text[j])) ++j;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        bool any = false;
        for (; j < text.size(); ++j) {
            if (is_digit(text[j])) {
                exponent += text[j];
                any = true;
            } else if (!is_ignored_blank(text[j])) {
                break;
            }
        }
        if (any) number += exponent;
    }

    double value = 0.0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        value = number.find("e-") != std::string::npos ? 0.0 : std::numeric_limits<double>::infinity();
        if (number[0] == '-') value = -value;
    }
    return value;
}

std::int32_t round_half_even(double value) {
    if (std::isnan(value)) return 0;
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (value <= low) return std::numeric_limits<std::int32_t>::min();
    if (value >= high) return std::numeric_limits<std::int32_t>::max();
    double floor = std::floor(value);
    double diff = value - floor;
    double rounded = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1.0;
    return static_cast<std::int32_t>(rounded);
}

std::int16_t clamp_to_position(std::int64_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, -32768, 32767));
}

std::int16_t to_position(double value) { return clamp_to_position(round_half_even(value)); }

std::string shortest_decimal(double value) {
    if (!std::isfinite(value)) value = 0.0;
    if (value == 0.0) value = 0.0;  // no "-0"
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc{}) return "0";
    return std::string(buffer, end);
}

}  // namespace tastrel
