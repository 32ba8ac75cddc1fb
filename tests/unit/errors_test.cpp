#include "values/errors.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

// The messages themselves are checked against docs/language.md by the
// language reference test and seen by the golden scripts.
TEST(ErrorTable, EveryCodeFromOneToFiftyThreeHasAMessage) {
  EXPECT_EQ(MessageOf(0), nullptr);
  EXPECT_EQ(MessageOf(54), nullptr);
  for (int code = 1; code <= 53; ++code) {
    ASSERT_NE(MessageOf(code), nullptr) << code;
    EXPECT_GT(std::string(MessageOf(code)).size(), 0u) << code;
  }
}

}  // namespace
}  // namespace vorna
