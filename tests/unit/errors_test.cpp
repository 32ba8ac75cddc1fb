#include "values/errors.h"

#include <gtest/gtest.h>

namespace vorna {
namespace {

TEST(ErrorTable, MessagesByCode) {
  EXPECT_STREQ(MessageOf(33), "Type Mismatch");
  EXPECT_STREQ(MessageOf(32), "Syntax");
  EXPECT_STREQ(MessageOf(1), "Name Already Declared");
  EXPECT_STREQ(MessageOf(25), "Not Declarative Statement in Global Area");
  EXPECT_STREQ(MessageOf(34), "Undefined Object Property/Method");
  EXPECT_STREQ(MessageOf(53), "Access");
  EXPECT_EQ(MessageOf(0), nullptr);
  EXPECT_EQ(MessageOf(54), nullptr);
  EXPECT_EQ(MessageOf(-1), nullptr);
}

TEST(ErrorTable, EveryCodeFromOneToFiftyThreeHasAMessage) {
  for (int code = 1; code <= 53; ++code) {
    ASSERT_NE(MessageOf(code), nullptr) << code;
    EXPECT_GT(std::string(MessageOf(code)).size(), 0u) << code;
  }
}

TEST(ErrorRaising, NumbersAndTextsAreThrown) {
  try {
    Raise(errorNumbers::TypeMismatch);
    FAIL();
  } catch (errorNumbers number) {
    EXPECT_EQ(static_cast<int>(number), 33);
  }
  try {
    RaiseText(kTypeMismatchText);
    FAIL();
  } catch (const InternalError& error) {
    EXPECT_STREQ(error.text, "TYPE MISMATCH");
  }
}

}  // namespace
}  // namespace vorna
