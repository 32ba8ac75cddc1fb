// The expression evaluator's insides that a script cannot reach: where it
// stops reading, dispatch by id, extension members and the order in which the
// interpreter asks its extensions, bounded nesting. What a script sees of
// precedence, literals, receivers, unknown names, array elements and object
// members is in tests/scripts/expressions/, user functions before variables
// in procedures/function_results.bas.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/installed_platform.h"
#include "script/activation.h"
#include "script/function_table.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/member_words.h"
#include "tests/unit/support/evaluator_fixture.h"
#include "tests/unit/support/test_object.h"
#include "values/value.h"

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

// Answers for one member word and records every question it is asked.
class WordExtension : public Extension {
 public:
  WordExtension(const char* word, const char* answer, std::vector<std::string>& log)
      : word_(word), answer_(answer), log_(log) {}

  bool GetMember(Activation& activation, Value& result) override {
    log_.push_back(std::string(answer_) + ".get");
    const char* words[] = {word_};
    if (MatchMemberWord(activation.cursor(), words) < 0) return false;
    result.SetString(answer_);
    return true;
  }
  bool CallStatement(Activation& activation) override {
    log_.push_back(std::string(answer_) + ".call");
    return activation.cursor().MatchWord(word_, Prefix::NotAllowed);
  }
  std::unique_ptr<Value> MakeObject(Activation& activation) override {
    if (!activation.cursor().MatchWord(word_, Prefix::NotAllowed)) return nullptr;
    return std::make_unique<Value>(new testing::NoteObject);
  }
  void BeforeStatement() override { log_.push_back(std::string(answer_) + ".before"); }

 private:
  const char* word_;
  const char* answer_;
  std::vector<std::string>& log_;
};

class InterpreterTest : public ::testing::Test {
 protected:
  std::vector<std::string> log_;
  Interpreter interpreter_{platform::Current()};
  Activation activation_{interpreter_, nullptr};
};

TEST_F(InterpreterTest, TheFirstExtensionThatKnowsTheWordAnswers) {
  interpreter_.RegisterExtension(new WordExtension("SHARED", "first", log_));
  interpreter_.RegisterExtension(new WordExtension("SHARED", "second", log_));
  interpreter_.RegisterExtension(new WordExtension("OWN", "third", log_));
  Value result;
  activation_.MakeCurrent("shared");
  EXPECT_TRUE(interpreter_.GetMember(activation_, result));
  EXPECT_STREQ(result.AsString(), "first");
  EXPECT_EQ(log_, (std::vector<std::string>{"first.get"}));
  log_.clear();
  Value own;
  activation_.MakeCurrent("OWN");
  EXPECT_TRUE(interpreter_.GetMember(activation_, own));
  EXPECT_STREQ(own.AsString(), "third");
  EXPECT_EQ(log_, (std::vector<std::string>{"first.get", "second.get", "third.get"}));
  activation_.MakeCurrent("NOBODY");
  EXPECT_FALSE(interpreter_.CallStatement(activation_));
  EXPECT_STREQ(activation_.cursor().rest(), "NOBODY");
}

TEST_F(InterpreterTest, MakeObjectAndBeforeStatement) {
  interpreter_.RegisterExtension(new WordExtension("KIND", "a", log_));
  activation_.MakeCurrent("KIND");
  std::unique_ptr<Value> made = interpreter_.MakeObject(activation_);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->type(), ValueType::OBJECT);
  activation_.MakeCurrent("OTHER");
  EXPECT_EQ(interpreter_.MakeObject(activation_), nullptr);
  interpreter_.RegisterExtension(new WordExtension("X", "b", log_));
  activation_.BeforeStatement();
  EXPECT_EQ(log_, (std::vector<std::string>{"a.before", "b.before"}));
}

}  // namespace
}  // namespace vorna
