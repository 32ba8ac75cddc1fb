// The table of function shapes against the handlers themselves: every
// function keyword has a shape, and each handler accepts exactly the
// argument counts and the "$" its shape says, as the evaluator runs it.
#include "builtins/function_shapes.h"

#include <gtest/gtest.h>

#include <string>

#include "host/startup/language_setup.h"
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

}  // namespace
}  // namespace vorna::testing
