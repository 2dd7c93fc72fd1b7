#pragma once

#include <cstdint>
#include <limits>

namespace quenlit {

// The hero's and the monsters' numbers are 32-bit, and a save or an edited monster table may
// hold any of them. Sums and products are therefore formed in 64 bits (saturating where even
// that could overflow) and kept in the 32-bit range: ordinary numbers give exactly the results
// of plain 32-bit arithmetic, extreme ones stop at the edge instead of wrapping round.

constexpr int32_t Clamp32(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

constexpr int64_t SaturatingMultiply(int64_t a, int64_t b) {
  int64_t product = 0;
  if (!__builtin_mul_overflow(a, b, &product)) return product;
  return (a < 0) != (b < 0) ? std::numeric_limits<int64_t>::min()
                            : std::numeric_limits<int64_t>::max();
}

// A single-precision result truncated toward zero, kept in the 32-bit range.
inline int32_t TruncateToInt32(float value) {
  if (value != value) return 0;  // not a number
  if (value >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0f) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

// number += amount, kept in the 32-bit range.
constexpr void AddBounded(int32_t& number, int64_t amount) {
  number = Clamp32(int64_t{number} + amount);
}

}  // namespace quenlit
