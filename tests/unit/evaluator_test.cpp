// The expression evaluator's insides: where it stops reading, the type of the
// receiver, name resolution, and bounded nesting. What a script sees of
// precedence, literals and operators is in tests/scripts/expressions/.
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

TEST_F(EvaluatorTest, OneModEndsTheTerm) {
  Value result;
  EXPECT_EQ(Evaluate("7 MOD 3 * 2", result), "* 2");
  EXPECT_EQ(result.AsLong(), 1);
  EXPECT_EQ(ErrorOf("7 MOD 0"), int(errorNumbers::DivisionByZero));
}

TEST_F(EvaluatorTest, TheEvaluatorStopsAtWhatIsNotItsOwn) {
  Value result;
  EXPECT_EQ(Evaluate("1 XOR 2", result), "XOR 2");
  EXPECT_EQ(Evaluate("1 ORANGE", result), "ORANGE");
  EXPECT_EQ(Evaluate("1, 2", result), ", 2");
  EXPECT_EQ(Evaluate("1 THEN", result), "THEN");
  EXPECT_EQ(Evaluate("(1 + 2", result), "");
  EXPECT_EQ(result.AsLong(), 3);
}

TEST_F(EvaluatorTest, NumberLiteralsBeyondWhatPrintShows) {
  Value value;
  Evaluate("0.3", value);
  EXPECT_EQ(value.type(), ValueType::DOUBLE);
  EXPECT_EQ(value.AsDouble(), 0.3);  // the double nearest to the written decimal
  Evaluate("1E400", value);
  EXPECT_TRUE(value.AsDouble() > 1e308);
  Evaluate("1E-400", value);
  EXPECT_EQ(value.AsDouble(), 0.0);
}

TEST_F(EvaluatorTest, AStringLiteralLongerThanALineCanHoldIsRefused) {
  std::string tooLong = "\"" + std::string(2048, 'x') + "\"";
  EXPECT_EQ(ErrorOf(tooLong.c_str()), int(errorNumbers::StringTooLong));
}

TEST_F(EvaluatorTest, TheReceiverTypesTheFirstOperand) {
  Value integer(ValueType::INTEGER);
  Evaluate("7 / 2", integer);
  EXPECT_EQ(integer.type(), ValueType::INTEGER);
  EXPECT_EQ(integer.AsLong(), 3);
  Value fresh;
  Evaluate("7 / 2", fresh);
  EXPECT_EQ(fresh.type(), ValueType::DOUBLE);
  EXPECT_EQ(fresh.AsDouble(), 3.5);
  Value text(ValueType::STRING);
  EXPECT_EQ(ErrorOf("1 + 1", text), int(errorNumbers::TypeMismatch));
  Declare("X", new Value(int32_t{7}));
  Value flag(ValueType::BOOLEAN);
  EXPECT_EQ(ErrorOf("X > 5", flag), int(errorNumbers::TypeMismatch));
  Value untyped;
  Evaluate("X > 5", untyped);
  EXPECT_EQ(untyped.type(), ValueType::BOOLEAN);
  EXPECT_EQ(untyped.AsBoolean(), 1);
}

TEST_F(EvaluatorTest, UnknownNamesReadAsTheReceiversEmptyValue) {
  Value fresh;
  Evaluate("NOSUCH", fresh);
  EXPECT_EQ(fresh.type(), ValueType::INTEGER);
  EXPECT_EQ(fresh.AsLong(), 0);
  Value text(ValueType::STRING);
  Evaluate("NOSUCH", text);
  EXPECT_STREQ(text.AsString(), "");
  Value character(ValueType::CHARACTER);
  Evaluate("NOSUCH", character);
  EXPECT_EQ(character.AsCharacter(), ' ');
  Value flag(ValueType::BOOLEAN);
  Evaluate("NOSUCH", flag);
  EXPECT_EQ(flag.AsBoolean(), 0);
  Value real(ValueType::REAL);
  Evaluate("NOSUCH", real);
  EXPECT_EQ(real.type(), ValueType::REAL);
  Value object(ValueType::OBJECT);
  EXPECT_EQ(ErrorOf("NOSUCH", object), int(errorNumbers::UnknownVariableType));
  // Nothing was created by reading.
  EXPECT_EQ(activation_.locals().count(), 0);
  EXPECT_EQ(interpreter_.globals().count(), 0);
}

TEST_F(EvaluatorTest, KeywordsAsOperands) {
  EXPECT_EQ(Text("TRUE"), "true");
  EXPECT_EQ(Text("FALSE"), "false");
  // These names stand first in the table as no function.
  for (const char* word : {"ERROR(12)", "INPUT", "STRING(3)", "PRINT", "THEN", "IS"}) {
    EXPECT_EQ(ErrorOf(word), int(errorNumbers::InvalidUseOfKeyword)) << word;
  }
  activation_.setSelectValue(std::make_unique<Value>(int32_t{5}));
  EXPECT_EQ(Text("IS + 1"), "6");
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

TEST_F(EvaluatorTest, UserFunctionsComeBeforeVariables) {
  Declare("F", new Value(int32_t{1}));
  EXPECT_EQ(Text("F + 1"), "43");
  EXPECT_EQ(interpreter_.calls, 1);
}

TEST_F(EvaluatorTest, ObjectMembers) {
  auto* note = new testing::NoteObject;
  note->note = "hello";
  Declare("D", new Value(note));
  EXPECT_EQ(Text("D.NOTE"), "hello");
  EXPECT_EQ(Text("D . NOTE & \"!\""), "hello!");
  EXPECT_EQ(ErrorOf("D.NOSUCH"), int(errorNumbers::UndefinedObjectMember));
  EXPECT_EQ(ErrorOf("D.NOTES"), int(errorNumbers::UndefinedObjectMember));
}

TEST_F(EvaluatorTest, ArrayElements) {
  auto* array = new Value(ValueType::LONG);
  array->MakeArray(10, 0, 0);
  Declare("A", array);
  array->SelectElement(2, 2, 2);
  array->SetLong(20);
  EXPECT_EQ(Text("A(2) + A( 1 )"), "20");
  EXPECT_EQ(Text("A(1 + 1) * 2"), "40");
  EXPECT_EQ(ErrorOf("A"), int(errorNumbers::VariableIsAnArray));
  EXPECT_EQ(ErrorOf("A(0)"), int(errorNumbers::DimStatement));
  EXPECT_EQ(ErrorOf("A(11)"), int(errorNumbers::ArrayBounds));
  EXPECT_EQ(ErrorOf("A(-1)"), int(errorNumbers::ArrayBounds));
  EXPECT_EQ(ErrorOf("A(1"), int(errorNumbers::IllegalUse));
  auto* grid = new Value(ValueType::LONG);
  grid->MakeArray(2, 3, 0);
  Declare("G", grid);
  EXPECT_EQ(ErrorOf("G(2, 3)"), 0);
  EXPECT_EQ(ErrorOf("G(3, 1)"), int(errorNumbers::ArrayBounds));
  EXPECT_EQ(ErrorOf("G(1, 4)"), int(errorNumbers::ArrayBounds));
  EXPECT_EQ(ErrorOf("G(1, 0)"), int(errorNumbers::DimStatement));
}

TEST_F(EvaluatorTest, LocalsHideGlobals) {
  Declare("V", new Value("global"), &interpreter_.globals());
  Declare("W", new Value("only global"), &interpreter_.globals());
  Declare("V", new Value("local"));
  EXPECT_EQ(Text("V"), "local");
  EXPECT_EQ(Text("W"), "only global");
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

TEST_F(EvaluatorTest, ConditionsAndBoundedNumbers) {
  Value condition;
  activation_.MakeCurrent("1 < 2");
  EXPECT_TRUE(EvaluateCondition(activation_, condition));
  Value number;
  activation_.MakeCurrent("1 + 1");
  EXPECT_THROW(EvaluateCondition(activation_, number), errorNumbers);
  Value bounded;
  activation_.MakeCurrent("  5");
  activation_.ReadNumber(bounded, 1, 5);
  EXPECT_EQ(bounded.AsLong(), 5);
  Value outside;
  activation_.MakeCurrent("6");
  EXPECT_THROW(activation_.ReadNumber(outside, 1, 5), errorNumbers);
  Value unbounded;
  activation_.MakeCurrent("-6");
  activation_.ReadNumber(unbounded, 0, 0);
  EXPECT_EQ(unbounded.AsLong(), -6);
  activation_.MakeCurrent(" \"ab\" & \"c\"");
  EXPECT_EQ(activation_.ReadText(), "abc");
  activation_.MakeCurrent("1");
  EXPECT_THROW(activation_.ReadText(), errorNumbers);
}

}  // namespace
}  // namespace vorna
