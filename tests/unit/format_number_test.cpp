// The digits of printed numbers: an exact expansion rounded at the 32nd
// decimal, identical to glibc's "%.32lf" on every platform.
#include "values/format_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace vorna {
namespace {

struct Case {
  double number;
  const char* text;
};

// Everyday numbers, trimmed of trailing zeros and the point, are printed by
// the golden scripts (expressions/, functions/conversions.bas).
TEST(FormatNumber, SignedZerosHalvesTinyNumbersAndSpecials) {
  const Case cases[] = {
      {-0.0, "-0"},
      {0.0, "0"},
      // Exactly half a unit of the 32nd decimal: rounds to the even digit.
      {std::ldexp(1.0, -33), "0.00000000011641532182693481445312"},
      {3 * std::ldexp(1.0, -33), "0.00000000034924596548080444335938"},
      // Below half a unit of the last decimal.
      {1e-40, "0"},
      {-1e-40, "-0"},
      {std::numeric_limits<double>::infinity(), "inf"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
      {std::numeric_limits<double>::quiet_NaN(), "nan"},
  };
  for (const Case& c : cases) EXPECT_STREQ(FormatNumber(c.number), c.text) << c.text;
}

TEST(FormatNumber, TheLargestDoubleHasAllItsDigits) {
  std::string text = FormatNumber(std::numeric_limits<double>::max());
  EXPECT_EQ(text.size(), 309u);
  EXPECT_EQ(text.substr(0, 17), "17976931348623157");
}

// glibc's printf is exact and rounds half to even, which is the reference.
std::string Glibc(double number) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.32lf", number);
  return buffer;
}

double FromBits(uint64_t bits) {
  double number;
  std::memcpy(&number, &bits, sizeof number);
  return number;
}

TEST(FormatNumber, MatchesGlibcOverASweep) {
  std::mt19937_64 random(20240601);
  for (int i = 0; i < 20000; ++i) {
    // Random bit patterns cover the whole exponent range, subnormals and specials.
    double number = FromBits(random());
    ASSERT_EQ(FormatFixed32(number), Glibc(number)) << std::hexfloat << number;
  }
  for (int i = 0; i < 20000; ++i) {
    // Numbers of everyday size, where the 32 decimals matter most.
    double number = std::ldexp(double(random() >> 11), -int(random() % 120));
    if (random() & 1) number = -number;
    ASSERT_EQ(FormatFixed32(number), Glibc(number)) << std::hexfloat << number;
  }
  for (int shift = 1; shift <= 1074; ++shift) {
    // Exact halves at the rounding position for every binary exponent.
    for (uint64_t mantissa : {uint64_t{1}, uint64_t{3}, uint64_t{5}, (uint64_t{1} << 53) - 1}) {
      double number = std::ldexp(double(mantissa), -shift);
      ASSERT_EQ(FormatFixed32(number), Glibc(number)) << std::hexfloat << number;
    }
  }
}

}  // namespace
}  // namespace vorna
