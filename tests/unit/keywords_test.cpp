// The keyword table's handlers: start-up registers exactly one for each
// statement and function keyword, lookups outside the table answer nothing,
// and each function's handler accepts exactly the argument counts and the "$"
// its shape says, as the evaluator runs it. What scripts see of the keywords
// is in the golden scripts.
#include "script/keywords.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "builtins/function_shapes.h"
#include "host/startup/language_setup.h"
#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "tests/unit/support/debugger_fixture.h"
#include "tests/unit/support/error_of.h"
#include "tools/check/entry_set.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna::testing {
namespace {

// A call is refused by its punctuation ("Illegal Use") or by a missing
// argument ("Syntax").
bool Refused(int error) {
  return error == int(errorNumbers::IllegalUse) || error == int(errorNumbers::Syntax);
}

// An argument of the wrong type or range fails before the punctuation is
// read, so such a call tells nothing of the count.
bool Telling(int error) {
  return !Refused(error) && error != int(errorNumbers::TypeMismatch) &&
         error != int(errorNumbers::IllegalValue);
}

// "NAME[$](a, b, ...)" with count arguments, each 1 or "1" by the bits of kinds.
std::string Call(const std::string& name, bool dollar, int count, unsigned kinds) {
  std::string text = name + (dollar ? "$(" : "(");
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ", ";
    text += (kinds >> i) & 1 ? "\"1\"" : "1";
  }
  return text + ")";
}

class FunctionShapeTest : public ::testing::Test {
 protected:
  FunctionShapeTest() {
    machine_.files = &files_;
    machine_.system = &system_;
    machine_.interaction = &interaction_;
    RegisterKeywords(interpreter_);
  }

  /// The script error the expression raises, or 0.
  int ErrorOf(const std::string& text) {
    return testing::ErrorOf([&] {
      activation_.MakeCurrent(text.c_str());
      Value result;
      EvaluateExpression(activation_, result);
    });
  }

  // True when some choice of number and text arguments gets past the punctuation.
  bool Accepts(const std::string& name, bool dollar, int count) {
    for (unsigned kinds = 0; kinds < (1u << count); ++kinds) {
      if (Telling(ErrorOf(Call(name, dollar, count, kinds)))) return true;
    }
    return false;
  }

  check::EntrySet noEntries_;
  check::EntryFileSystem files_{noEntries_};
  ExitRecordingSystem system_;  // no program starts, no file is there
  DialogAnswers interaction_;   // presses OK, and Abort on an error
  platform::Platform machine_;
  Interpreter interpreter_{machine_};
  Activation activation_{interpreter_, nullptr};
};

TEST_F(FunctionShapeTest, EveryFunctionKeywordHasOneShape) {
  for (const Keyword* row = KeywordTable(); row->name[0] != '\0'; ++row) {
    if (FindKeywordByName(row->name) != row) continue;  // a doubled name's second row
    EXPECT_EQ(FindFunctionShape(row->id) != nullptr, row->klass == KeywordClass::Function)
        << row->name;
  }
}

TEST_F(FunctionShapeTest, HandlersAcceptTheCountsAndTheDollarTheirShapeSays) {
  for (const FunctionShape& shape : FunctionShapes()) {
    const std::string name = FindKeywordById(shape.id)->name;
    // A key that cannot be read is "Illegal Use" too: REGISTRY's failures
    // say nothing of its arguments.
    if (name == "REGISTRY") continue;
    SCOPED_TRACE(name);
    switch (shape.form) {
      case CallForm::ArgumentList:
        for (int count = 0; count <= shape.maxArguments + 1; ++count) {
          bool wanted = count >= shape.minArguments && count <= shape.maxArguments;
          EXPECT_EQ(Accepts(name, false, count), wanted) << count << " arguments";
        }
        EXPECT_EQ(Accepts(name, true, shape.minArguments), shape.dollar == DollarSuffix::Allowed);
        break;
      case CallForm::EmptyList:
        EXPECT_FALSE(Refused(ErrorOf(name + "()")));
        EXPECT_TRUE(Refused(ErrorOf(name + "(1)")));
        EXPECT_TRUE(Refused(ErrorOf(name)));
        break;
      case CallForm::NoArguments:
        EXPECT_FALSE(Refused(ErrorOf(name)));
        break;
      case CallForm::Member:
        for (const char* member : ErrMemberWords()) {
          EXPECT_EQ(ErrorOf(name + "." + member), 0) << member;
        }
        EXPECT_TRUE(Refused(ErrorOf(name + ".SOURCE")));
        break;
      case CallForm::Reserved:
        EXPECT_EQ(ErrorOf(name), int(errorNumbers::FunctionalityNotImplemented));
        break;
    }
  }
}

TEST(KeywordTable, LookupsAnswerNothingOutsideTheTable) {
  for (const char* name : {"print", "Print", "PRIN", "PRINTX", "_PRINT", "\xC9", ""}) {
    EXPECT_EQ(FindKeywordByName(name), nullptr) << name;
  }
  EXPECT_EQ(FindKeywordById(KeywordId::EndOfTable), nullptr);
  EXPECT_EQ(FindKeywordById(KeywordId{-1}), nullptr);
  EXPECT_EQ(FindKeywordById(KeywordId{kKeywordIdCount}), nullptr);
}

TEST(KeywordHandlers, EveryStatementAndFunctionKeywordHasExactlyOneHandler) {
  Interpreter interpreter(platform::Current());
  // A keyword registered twice would throw here.
  ASSERT_NO_THROW(RegisterKeywords(interpreter));
  for (int row = 0; row < kKeywordCount; ++row) {
    const Keyword& keyword = KeywordTable()[row];
    SCOPED_TRACE(keyword.name);
    if (keyword.klass == KeywordClass::Statement) {
      EXPECT_NE(interpreter.statements().Find(keyword.id), nullptr);
    }
    if (keyword.klass == KeywordClass::Function) {
      EXPECT_NE(interpreter.functions().Find(keyword.id), nullptr);
    }
  }
}

StatementEnd AnyStatement(Activation&) {
  return StatementEnd::Continue;
}

void AnyFunction(Activation&, Value&) {}

TEST(KeywordHandlers, RegistrationRefusesASecondHandlerAndTheWrongClass) {
  StatementTable statements;
  statements.Register(KeywordId::Print, AnyStatement);
  EXPECT_THROW(statements.Register(KeywordId::Print, AnyStatement), std::logic_error);
  EXPECT_THROW(statements.Register(KeywordId::Then, AnyStatement), std::logic_error);
  // MSGBOX is a statement and a function, each with a handler of its own.
  statements.Register(KeywordId::MsgBox, AnyStatement);
  FunctionTable functions;
  functions.Register(KeywordId::MsgBox, AnyFunction);
  EXPECT_THROW(functions.Register(KeywordId::MsgBox, AnyFunction), std::logic_error);
  EXPECT_THROW(functions.Register(KeywordId::Print, AnyFunction), std::logic_error);
}

}  // namespace
}  // namespace vorna::testing
