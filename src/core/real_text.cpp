#include "core/real_text.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace velmarin {

namespace {

// An unsigned 128-bit number, with the few operations the conversion needs; every compiler the
// program is built with has 64 bits.
class Wide {
 public:
  Wide(uint64_t low = 0) : hi_(0), lo_(low) {}  // NOLINT: converts as the built-in types do

  friend bool operator==(const Wide& a, const Wide& b) { return a.hi_ == b.hi_ && a.lo_ == b.lo_; }
  friend bool operator<(const Wide& a, const Wide& b) {
    return a.hi_ != b.hi_ ? a.hi_ < b.hi_ : a.lo_ < b.lo_;
  }
  friend bool operator>=(const Wide& a, const Wide& b) { return !(a < b); }
  friend bool operator<=(const Wide& a, const Wide& b) { return !(b < a); }
  friend Wide operator+(Wide a, const Wide& b) {
    a.lo_ += b.lo_;
    a.hi_ += b.hi_ + (a.lo_ < b.lo_ ? 1 : 0);
    return a;
  }
  friend Wide operator-(Wide a, const Wide& b) {
    const uint64_t borrow = a.lo_ < b.lo_ ? 1 : 0;
    a.lo_ -= b.lo_;
    a.hi_ -= b.hi_ + borrow;
    return a;
  }
  // Times a number below 2^32.
  friend Wide operator*(const Wide& a, uint32_t m) {
    Wide r;
    const uint64_t l0 = (a.lo_ & 0xFFFFFFFF) * m;
    const uint64_t l1 = (a.lo_ >> 32) * m + (l0 >> 32);
    r.lo_ = (l0 & 0xFFFFFFFF) | (l1 << 32);
    r.hi_ = a.hi_ * m + (l1 >> 32);
    return r;
  }
  friend Wide operator<<(const Wide& a, int n) {
    Wide r;
    if (n >= 64) {
      r.hi_ = a.lo_ << (n - 64);
    } else if (n > 0) {
      r.hi_ = (a.hi_ << n) | (a.lo_ >> (64 - n));
      r.lo_ = a.lo_ << n;
    } else {
      r = a;
    }
    return r;
  }
  friend Wide operator>>(const Wide& a, int n) {
    Wide r;
    if (n >= 64) {
      r.lo_ = a.hi_ >> (n - 64);
    } else if (n > 0) {
      r.lo_ = (a.lo_ >> n) | (a.hi_ << (64 - n));
      r.hi_ = a.hi_ >> n;
    } else {
      r = a;
    }
    return r;
  }
  bool Odd() const { return (lo_ & 1) != 0; }
  bool Zero() const { return hi_ == 0 && lo_ == 0; }
  // Divides by 10 and gives the remainder.
  int DivideBy10() {
    const uint64_t hiRest = hi_ % 10;
    hi_ /= 10;
    // (hiRest * 2^64 + lo) / 10, in 32-bit steps.
    uint64_t rest = hiRest;
    uint64_t q = 0;
    for (int shift = 32; shift >= 0; shift -= 32) {
      const uint64_t part = (rest << 32) | ((lo_ >> shift) & 0xFFFFFFFF);
      q = (q << 32) | (part / 10);
      rest = part % 10;
    }
    lo_ = q;
    return static_cast<int>(rest);
  }

 private:
  uint64_t hi_;
  uint64_t lo_;
};

// The most fraction digits tried: 10^30 times a 25-bit mantissa still fits 128 bits.
constexpr int kMostDigits = 30;

Wide Pow10(int n) {
  Wide p = 1;
  for (int i = 0; i < n; ++i) p = p * 10;
  return p;
}

void AppendDecimal(Wide n, std::string& out) {
  char digits[40];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + n.DivideBy10());
  } while (!n.Zero());
  while (count > 0) out += digits[--count];
}

// N / 10^d written out, with d fraction digits.
std::string Fixed(Wide n, int d) {
  std::string digits;
  AppendDecimal(n, digits);
  if (d == 0) return digits;
  if (digits.size() <= static_cast<size_t>(d))
    digits.insert(0, static_cast<size_t>(d) + 1 - digits.size(), '0');
  digits.insert(digits.size() - static_cast<size_t>(d), 1, '.');
  return digits;
}

}  // namespace

std::string ShortestFixed(float value) {
  if (!std::isfinite(value) || value == 0) return "0";
  const auto bits = std::bit_cast<uint32_t>(value);
  const bool negative = (bits >> 31) != 0;
  const int exponent = static_cast<int>((bits >> 23) & 0xFF);
  const uint32_t fraction = bits & 0x7FFFFF;
  // value = m * 2^-k exactly.
  const uint32_t m = exponent == 0 ? fraction : (fraction | 0x800000u);
  const int k = exponent == 0 ? 149 : 150 - exponent;
  std::string text;
  if (k <= 0) {
    // A whole number too large for a fraction: its exact digits.
    text = Fixed(Wide(m) << -k, 0);
  } else if (k >= 100) {
    return "0";  // below 2^-76 for a normal value: no window lies there
  } else {
    // The rounding interval around value, in units of 2^-(k+2): a quarter ulp each side from
    // value's neighbours; the one below is half as far at a power of two.
    const uint32_t four = m << 2;
    const uint32_t up = 2;
    const uint32_t down = (fraction == 0 && exponent > 1) ? 1 : 2;
    const bool inclusive = (m & 1) == 0;  // an even mantissa keeps the halfway points
    for (int d = 0; d <= kMostDigits && text.empty(); ++d) {
      const Wide scale = Pow10(d);
      // value * 10^d = m * scale / 2^k; the candidates below and above it.
      const Wide product = scale * m;
      const Wide below = product >> k;
      for (const Wide n : {below, below + 1}) {
        // n / 10^d against value, in units of 2^-(k+2) / 10^d.
        const Wide scaled = n << (k + 2);
        const Wide target = scale * four;
        const bool above = scaled >= target;
        const Wide distance = above ? scaled - target : target - scaled;
        const Wide room = scale * (above ? up : down);
        if (distance < room || (inclusive && distance == room)) {
          // The nearer of the two when both read back; the even one when they are as near.
          if (!text.empty() && n == below + 1) {
            const Wide lower = target - (below << (k + 2));
            if (lower < distance || (lower == distance && !below.Odd())) continue;
          }
          text = Fixed(n, d);
        }
      }
    }
    if (text.empty()) return "0";
  }
  return negative ? "-" + text : text;
}

std::optional<double> ParseReal(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  const auto digit = [&](size_t at) { return at < n && text[at] >= '0' && text[at] <= '9'; };
  const bool negative = i < n && text[i] == '-';
  if (negative) ++i;
  // Up to 19 significant digits; the rest only move the point.
  uint64_t mantissa = 0;
  int kept = 0;
  long exponent = 0;
  bool any = false;
  for (; digit(i); ++i) {
    any = true;
    if (kept < 19) {
      mantissa = mantissa * 10 + static_cast<uint64_t>(text[i] - '0');
      if (mantissa != 0) ++kept;
    } else {
      ++exponent;
    }
  }
  if (i < n && text[i] == '.') {
    for (++i; digit(i); ++i) {
      any = true;
      if (kept < 19) {
        mantissa = mantissa * 10 + static_cast<uint64_t>(text[i] - '0');
        if (mantissa != 0) ++kept;
        --exponent;
      }
    }
  }
  if (!any) return std::nullopt;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool minus = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) minus = text[i++] == '-';
    if (!digit(i)) return std::nullopt;
    long e = 0;
    for (; digit(i); ++i) e = std::min(e * 10 + (text[i] - '0'), 100000L);
    exponent += minus ? -e : e;
  }
  if (i != n) return std::nullopt;
  // Exact for up to 15 digits and powers of ten up to 10^22, the numbers a settings file holds.
  constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  double value = static_cast<double>(mantissa);
  if (mantissa != 0) {
    for (long e = exponent; e > 0 && std::isfinite(value); e -= 22)
      value *= kPowers[std::min(e, 22L)];
    for (long e = -exponent; e > 0 && value != 0; e -= 22) value /= kPowers[std::min(e, 22L)];
  }
  // Too large or too small for a double: no number a settings file means.
  if (!std::isfinite(value) || (mantissa != 0 && value == 0)) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace velmarin
