#include "core/number.h"

#include <limits>

namespace velmarin {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<int64_t> ToInt64Rounded(std::string_view text) {
  size_t i = 0;
  size_t end = text.size();
  while (i < end && IsBlank(text[i])) ++i;
  while (end > i && IsBlank(text[end - 1])) --end;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Magnitude as an unsigned value, capped just above int64's range so overflow is seen.
  constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + 1;
  uint64_t magnitude = 0;
  size_t digits = 0;
  bool overflow = false;
  for (; i < end && IsDigit(text[i]); ++i, ++digits) {
    const uint64_t d = static_cast<uint64_t>(text[i] - '0');
    if (magnitude > (kLimit - d) / 10) overflow = true;
    if (!overflow) magnitude = magnitude * 10 + d;
  }
  // Fraction: only its rounding matters.
  int firstFraction = -1;  // first digit after the point, -1 when none
  bool restNonZero = false;
  size_t fractionDigits = 0;
  if (i < end && text[i] == '.') {
    ++i;
    for (; i < end && IsDigit(text[i]); ++i, ++fractionDigits) {
      const int d = text[i] - '0';
      if (firstFraction < 0) {
        firstFraction = d;
      } else if (d != 0) {
        restNonZero = true;
      }
    }
  }
  if (i != end || digits + fractionDigits == 0 || overflow) return std::nullopt;
  bool roundUp = false;
  if (firstFraction > 5 || (firstFraction == 5 && restNonZero)) {
    roundUp = true;
  } else if (firstFraction == 5) {
    roundUp = (magnitude % 2) == 1;  // a half goes to the even neighbour
  }
  if (roundUp) ++magnitude;
  if (negative) {
    if (magnitude > kLimit) return std::nullopt;
    if (magnitude == kLimit) return std::numeric_limits<int64_t>::min();
    return -static_cast<int64_t>(magnitude);
  }
  if (magnitude >= kLimit) return std::nullopt;
  return static_cast<int64_t>(magnitude);
}

std::optional<int16_t> ToInt16(std::string_view text) {
  const auto v = ToInt64Rounded(text);
  if (!v || *v < std::numeric_limits<int16_t>::min() || *v > std::numeric_limits<int16_t>::max())
    return std::nullopt;
  return static_cast<int16_t>(*v);
}

std::optional<int32_t> ToInt32(std::string_view text) {
  const auto v = ToInt64Rounded(text);
  if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(*v);
}

}  // namespace velmarin
