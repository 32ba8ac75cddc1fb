// The ERR object's members read from the error record, and the ERROR
// function's messages (called by id: expressions cannot reach it).
#include <gtest/gtest.h>

#include "script/function_table.h"
#include "script/keywords.h"
#include "tests/unit/support/evaluator_fixture.h"

namespace vorna {
namespace {

using testing::EvaluatorTest;

class ErrObjectTest : public EvaluatorTest {
 protected:
  void SetUp() override {
    ErrorRecord& record = interpreter_.errorRecord();
    record.number = 33;
    record.message = "Type Mismatch Error";
    record.statement = "X = \"A\" + 1";
    record.module = "SETUP";
    record.procedure = "MAIN";
  }
  /// The ERROR function called by its id on "(text".
  std::string ErrorText(const char* arguments) {
    activation_.MakeCurrent(arguments);
    Value result;
    interpreter_.functions().Call(KeywordId::Error, activation_, result);
    return result.AsString();
  }
};

TEST_F(ErrObjectTest, MembersReadTheErrorRecord) {
  Value number;
  Evaluate("ERR.NUMBER", number);
  EXPECT_EQ(number.type(), ValueType::LONG);
  EXPECT_EQ(number.AsLong(), 33);
  EXPECT_EQ(Text("ERR.DESCRIPTION"), "Type Mismatch Error");
  EXPECT_EQ(Text("ERR.LINE"), "X = \"A\" + 1");
  EXPECT_EQ(Text("ERR.MODULE"), "SETUP");
  EXPECT_EQ(Text("ERR.FUNCTION"), "MAIN");
  // Member words match in any case and with blanks around the point.
  EXPECT_EQ(Text("err . number + 1"), "34");
}

TEST_F(ErrObjectTest, PointAndMemberWordAreRequired) {
  constexpr int kIllegalUse = int(errorNumbers::IllegalUse);
  EXPECT_EQ(ErrorOf("ERR"), kIllegalUse);
  EXPECT_EQ(ErrorOf("ERR NUMBER"), kIllegalUse);
  EXPECT_EQ(ErrorOf("ERR.NUMBERS"), kIllegalUse);
  EXPECT_EQ(ErrorOf("ERR.SOURCE"), kIllegalUse);
}

TEST_F(ErrObjectTest, ErrorNamesTableNumbers) {
  EXPECT_EQ(ErrorText("(12)"), "Not Enough Parameters");
  EXPECT_EQ(ErrorText("(53)"), "Access");
  EXPECT_EQ(ErrorText("(0)"), "Application Defined Error");
  EXPECT_EQ(ErrorText("(54)"), "Application Defined Error");
  EXPECT_EQ(ErrorText("(-1)"), "Application Defined Error");
}

}  // namespace
}  // namespace vorna
