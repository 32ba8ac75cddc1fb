// Reading the longest leading decimal number of a text, as the conversions
// from text do (what scripts see of them is in functions/conversions.bas).
#include "values/decimal_text.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

TEST(DecimalTextTest, LongestLeadingNumber) {
  EXPECT_EQ(ReadDecimal("12.5e1x"), 125.0);
  EXPECT_EQ(ReadDecimal("\t\n -7."), -7.0);
  EXPECT_EQ(ReadDecimal("-.25"), -0.25);
  EXPECT_EQ(ReadDecimal("+"), 0.0);
  EXPECT_EQ(ReadDecimal("."), 0.0);
  EXPECT_EQ(ReadDecimal("nan"), 0.0);
  EXPECT_EQ(ReadDecimal("3e+"), 3.0);
  EXPECT_EQ(ReadWholeDecimal(" -42.9"), -42);
  EXPECT_EQ(ReadWholeDecimal("+7x"), 7);
  EXPECT_EQ(ReadWholeDecimal("x7"), 0);
  // Past 64 bits the number wraps instead of overflowing.
  EXPECT_EQ(ReadWholeDecimal("18446744073709551617"), 1);
}

}  // namespace
}  // namespace vorna
