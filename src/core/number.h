#pragma once
// Decimal text to integers, the way settings values convert: optional sign, digits, an optional
// fraction that rounds to the nearest integer (halves to even). Anything else, or a result that
// does not fit the width, does not convert.
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmarin {

std::optional<int16_t> ToInt16(std::string_view text);
std::optional<int32_t> ToInt32(std::string_view text);
// The same rules, wider: the building block of the two above.
std::optional<int64_t> ToInt64Rounded(std::string_view text);

}  // namespace velmarin
