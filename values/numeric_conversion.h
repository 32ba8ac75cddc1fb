// The number conversions behind every typed read and write of a value.
//
// Scripts never see an overflow: a floating number becomes an integer by
// truncation toward zero to 64 bits, and an integer is narrowed by keeping the
// low bits of the target width. The helpers do this without relying on
// conversions that C++ leaves undefined (out-of-range floating to integer).
#pragma once

#include <cstdint>

namespace vorna {

/// Truncates toward zero to 64 bits. NaN and numbers beyond the 64-bit range
/// give the processor's "integer indefinite" (INT64_MIN), whose low 32 bits are 0.
inline int64_t TruncateToInt64(double number) {
  // 2^63 is exact in a double; every double below it in magnitude truncates
  // to a representable int64. NaN fails both comparisons.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(number > -kLimit && number < kLimit)) return INT64_MIN;
  return static_cast<int64_t>(number);
}

/// The low 8 bits, as an unsigned byte.
inline uint8_t Low8(int64_t number) {
  return static_cast<uint8_t>(static_cast<uint64_t>(number));
}

/// The low 16 bits, read as two's complement.
inline int16_t Low16(int64_t number) {
  uint16_t bits = static_cast<uint16_t>(static_cast<uint64_t>(number));
  return static_cast<int16_t>(bits);
}

/// The low 32 bits, read as two's complement.
inline int32_t Low32(int64_t number) {
  uint32_t bits = static_cast<uint32_t>(static_cast<uint64_t>(number));
  return static_cast<int32_t>(bits);
}

/// The single nearest to number (an infinity beyond the single range).
inline float NearestSingle(double number) {
  return static_cast<float>(number);
}

/// A character code read as a signed byte (the order of CHARACTER values).
inline int32_t SignedCode(char character) {
  return static_cast<int8_t>(static_cast<uint8_t>(character));
}

}  // namespace vorna
