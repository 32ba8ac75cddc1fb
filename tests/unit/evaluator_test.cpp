// The expression evaluator's insides that a script cannot reach: where it
// stops reading, dispatch by id, extension members, bounded nesting. What a
// script sees of precedence, literals, receivers, unknown names, array
// elements and object members is in tests/scripts/expressions/, user
// functions before variables in procedures/function_results.bas.
#include <gtest/gtest.h>

#include <string>

#include "platform/installed_platform.h"
#include "script/function_table.h"
#include "script/keywords.h"
#include "tests/unit/support/evaluator_fixture.h"
#include "tests/unit/support/test_object.h"

namespace vorna {
namespace {

using testing::EvaluatorTest;

TEST_F(EvaluatorTest, TheEvaluatorStopsAtWhatIsNotItsOwn) {
  Value result;
  EXPECT_EQ(Evaluate("1 ORANGE", result), "ORANGE");
  EXPECT_EQ(Evaluate("1, 2", result), ", 2");
  EXPECT_EQ(Evaluate("1 THEN", result), "THEN");
  EXPECT_EQ(Evaluate("(1 + 2", result), "");
  EXPECT_EQ(result.AsLong(), 3);
}

// A string literal longer than a line can hold is refused, and an unknown
// name cannot fill an object receiver (nor is it created).
TEST_F(EvaluatorTest, WhatNoScriptLineCanReachIsRefused) {
  std::string tooLong = "\"" + std::string(2048, 'x') + "\"";
  EXPECT_EQ(ErrorOf(tooLong.c_str()), int(errorNumbers::StringTooLong));
  Value object(ValueType::OBJECT);
  EXPECT_EQ(ErrorOf("NOSUCH", object), int(errorNumbers::UnknownVariableType));
  EXPECT_EQ(activation_.locals().count(), 0);
}

// No expression reaches the ERROR function: it is called by its id (what
// scripts see of the ERR object is in functions/err_object.bas).
TEST_F(EvaluatorTest, TheErrorFunctionNamesTableNumbers) {
  auto text = [&](const char* arguments) {
    activation_.MakeCurrent(arguments);
    Value result;
    interpreter_.functions().Call(KeywordId::Error, activation_, result);
    return std::string(result.AsString());
  };
  EXPECT_EQ(text("(12)"), "Not Enough Parameters");
  EXPECT_EQ(text("(53)"), "Access");
  EXPECT_EQ(text("(0)"), "Application Defined Error");
  EXPECT_EQ(text("(54)"), "Application Defined Error");
  EXPECT_EQ(text("(-1)"), "Application Defined Error");
}

void Answer17(Activation&, Value& result) {
  result.SetLong(17);
}

TEST(FunctionTable, FunctionKeywordsDispatchByIdThroughTheInterpretersTable) {
  Interpreter interpreter(platform::Current());
  interpreter.functions().Register(KeywordId::Abs, Answer17);
  Activation activation(interpreter, nullptr);
  activation.MakeCurrent("ABS + 1");
  Value result;
  EvaluateExpression(activation, result);
  EXPECT_STREQ(activation.cursor().rest(), "");
  EXPECT_EQ(result.AsLong(), 18);
  // An id without a handler reads nothing and stores nothing.
  Value untouched(int32_t{9});
  activation.MakeCurrent("(3)");
  interpreter.functions().Call(KeywordId::Len, activation, untouched);
  EXPECT_STREQ(activation.cursor().rest(), "(3)");
  EXPECT_EQ(untouched.AsLong(), 9);
}

TEST_F(EvaluatorTest, ExtensionMembersComeFirst) {
  interpreter_.RegisterExtension(new testing::PathExtension);
  Declare("INSTALLPATH", new Value("variable"));
  EXPECT_EQ(Text("INSTALLPATH & \"\\X\""), "C:\\APP\\X");
  EXPECT_EQ(Text("COUNTER + COUNTER"), "3");
  // A name that merely begins with a member word is no member.
  EXPECT_EQ(Text("INSTALLPATHS"), "0");
}

TEST_F(EvaluatorTest, DeepNestingIsAnErrorNotACrash) {
  std::string shallow = std::string(150, '(') + "1" + std::string(150, ')');
  EXPECT_EQ(Text(shallow.c_str()), "1");
  std::string deep = std::string(100000, '(') + "1";
  EXPECT_EQ(ErrorOf(deep.c_str()), int(errorNumbers::OutOfMemory));
  std::string powers = "2";
  for (int i = 0; i < 100000; ++i) powers += "^1";
  EXPECT_EQ(ErrorOf(powers.c_str()), int(errorNumbers::OutOfMemory));
  // The depth was given back on the way out.
  EXPECT_EQ(Text(shallow.c_str()), "1");
}

// F evaluates a deeply nested expression in an activation of its own.
class NestingInterpreter : public Interpreter {
 public:
  NestingInterpreter() : Interpreter(platform::Current()) {}
  bool CallFunction(Activation& caller, const char* name, Value& result) override {
    if (std::string(name) != "F") return false;
    Activation callee(*this, nullptr);
    std::string deep = std::string(150, '(') + "2" + std::string(150, ')');
    callee.MakeCurrent(deep.c_str());
    EvaluateExpression(callee, result);
    setCurrent(&caller);
    return true;
  }
};

TEST(ExpressionNesting, EachActivationHasItsOwnBudget) {
  NestingInterpreter interpreter;
  Activation caller(interpreter, nullptr);
  std::string text = std::string(150, '(') + "F + 1" + std::string(150, ')');
  caller.MakeCurrent(text.c_str());
  Value result;
  EvaluateExpression(caller, result);
  EXPECT_EQ(result.AsLong(), 3);
}

}  // namespace
}  // namespace vorna
