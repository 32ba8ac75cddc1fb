// The ERROR function's messages, called by its id: expressions cannot reach
// it (what scripts see of the ERR object is in functions/err_object.bas).
#include <gtest/gtest.h>

#include "script/function_table.h"
#include "script/keywords.h"
#include "tests/unit/support/evaluator_fixture.h"

namespace vorna {
namespace {

using testing::EvaluatorTest;

class ErrObjectTest : public EvaluatorTest {
 protected:
  /// The ERROR function called by its id on "(text".
  std::string ErrorText(const char* arguments) {
    activation_.MakeCurrent(arguments);
    Value result;
    interpreter_.functions().Call(KeywordId::Error, activation_, result);
    return result.AsString();
  }
};

TEST_F(ErrObjectTest, ErrorNamesTableNumbers) {
  EXPECT_EQ(ErrorText("(12)"), "Not Enough Parameters");
  EXPECT_EQ(ErrorText("(53)"), "Access");
  EXPECT_EQ(ErrorText("(0)"), "Application Defined Error");
  EXPECT_EQ(ErrorText("(54)"), "Application Defined Error");
  EXPECT_EQ(ErrorText("(-1)"), "Application Defined Error");
}

}  // namespace
}  // namespace vorna
