#pragma once
// The window position as the settings file writes it: decimal text of a single-precision value.
// Written here rather than with the standard library's floating-point conversions, whose tables
// would make the program a good deal larger for two numbers.
#include <optional>
#include <string>
#include <string_view>

namespace velmarin {

// The shortest decimal form of value without an exponent that reads back as the same value,
// the nearest one when several are as short, with no point for a whole number: 1500, 1234.5,
// -0.1. "0" for zero, infinities and NaN, and for values too small to matter (below 1e-22).
std::string ShortestFixed(float value);

// A decimal number: an optional minus sign, digits with an optional point and fraction (at
// least one digit in all), an optional exponent (e or E, an optional sign, digits). Nothing
// else, and no value that is not finite.
std::optional<double> ParseReal(std::string_view text);

}  // namespace velmarin
