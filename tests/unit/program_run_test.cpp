// Running whole programs, for what a script cannot see: initialisation and
// the extensions, the error record's bounds, RUN's restart, the stack budget
// of deep expressions, the activation's control stack (bounded, and quiet at
// both ends). The error record of a failing line and the dialog's answers are
// in errors/ and functions/err_object.bas, the Debug answer in the debugger
// sessions.
#include <gtest/gtest.h>

#include "script/activation.h"
#include "script/control_stack.h"
#include "script/error_handling.h"
#include "script/stack_guard.h"
#include "tests/unit/support/program_fixture.h"
#include "values/extension.h"

namespace vorna {
namespace {

using platform::ErrorAnswer;
using testing::ProgramTest;

// An extension whose statement TICK counts and whose property TICKS reads
// the count; it outlives RUN, which resets extensions through Initialise.
class CountingExtension : public Extension {
 public:
  bool CallStatement(Activation& activation) override {
    if (!activation.cursor().MatchWord("TICK", Prefix::NotAllowed)) return false;
    ++ticks;
    return true;
  }
  bool GetMember(Activation& activation, Value& result) override {
    if (!activation.cursor().MatchWord("TICKS", Prefix::NotAllowed)) return false;
    result.SetLong(ticks);
    return true;
  }
  void Initialise() override { ++initialised; }

  int32_t ticks = 0;
  int32_t initialised = 0;
};

TEST_F(ProgramTest, TheRecordKeepsBoundedTextsAndGlobalNames) {
  Activation global(*interpreter_, nullptr);
  std::string longLine = "X = " + std::string(400, '1');
  global.MakeCurrent(longLine.c_str());
  RecordError(global, 32);
  const ErrorRecord& record = interpreter_->errorRecord();
  EXPECT_EQ(record.message, "Syntax Error");
  EXPECT_EQ(record.module, "<GLOBAL>");
  EXPECT_EQ(record.procedure, "<GLOBAL>");
  EXPECT_EQ(record.statement.size(), kMaxErrorTextLength);
  RecordError(global, 99);
  EXPECT_EQ(record.number, 99);
  EXPECT_EQ(record.message, " Error");
}

// A second Initialise, which clears the globals again, is RUN's below.
TEST_F(ProgramTest, InitialiseResetsExtensionsAndRunsEveryModule) {
  auto* counter = new CountingExtension;
  interpreter_->RegisterExtension(counter);
  AddModule("ONE", "DIM A AS LONG\nSUB MAIN\nA = 5\nPRINT \"one\"\nEND SUB\n");
  AddModule("TWO", "DIM B AS STRING\nSUB MAIN\nPRINT \"two\"\nEND SUB\n");
  EXPECT_EQ(Run(), "one\n");  // the first loaded MAIN
  EXPECT_EQ(counter->initialised, 1);
  EXPECT_EQ(interpreter_->globals().count(), 2);
  Value* a = static_cast<Value*>(interpreter_->globals().FindByName("A"));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->AsLong(), 5);
  EXPECT_EQ(interpreter_->current(), nullptr);
  EXPECT_TRUE(interpreter_->liveActivations().empty());  // the first one's too
}

TEST_F(ProgramTest, RunStartsOverOnceAndEndsTheCallingActivation) {
  auto* counter = new CountingExtension;
  interpreter_->RegisterExtension(counter);
  AddModule("M",
            "DIM G AS LONG\n"
            "SUB MAIN\n"
            "  TICK\n"
            "  PRINT \"main\"; TICKS; G\n"
            "  G = 7\n"
            "  IF TICKS < 2 THEN RESTART\n"
            "  PRINT \"end of main\"; TICKS\n"
            "END SUB\n"
            "SUB RESTART\n"
            "  RUN\n"
            "  PRINT \"never\"\n"
            "END SUB\n");
  EXPECT_EQ(Run(), "main10\nmain20\nend of main2\nend of main2\n");
  EXPECT_EQ(counter->initialised, 2);
}

TEST_F(ProgramTest, GosubWithoutACurrentLineIsProgramModeOnly) {
  AddModule("M", "SUB MAIN\nEND SUB\n");
  Activation immediate(*interpreter_, &static_cast<Module&>(*interpreter_->modules().head()));
  interaction_.answers = {ErrorAnswer::Ignore, ErrorAnswer::Ignore};
  EXPECT_EQ(ExecuteLine(immediate, "GOSUB X"), LineOutcome::Advance);
  EXPECT_EQ(ExecuteLine(immediate, "ON 1 GOTO X"), LineOutcome::Advance);
  EXPECT_EQ(DialogMessages(),
            (std::vector<std::string>{"Program Mode Only Error", "Program Mode Only Error"}));
}

TEST_F(ProgramTest, DeepExpressionsInsideDeepCallsStayWithinTheStack) {
  std::string nested = std::string(150, '(') + "N" + std::string(150, ')');
  AddModule("M",
            "SUB MAIN\n"
            "  X = F(1)\n"
            "END SUB\n"
            "FUNCTION F(N AS LONG) AS LONG\n"
            "  F = F(" +
                nested +
                " + 1)\n"
                "END FUNCTION\n");
  Run();
  EXPECT_EQ(DialogMessages(), std::vector<std::string>{"Out of Memory Error"});
}

TEST(StackGuard, MeasuresGrowthAndRefusesPastTheBudget) {
  size_t saved = NativeStackBudget();
  SetNativeStackBudget(64 * 1024);
  StackGuard guard;
  EXPECT_NO_THROW(guard.Check());
  // Recurse until the guard refuses; the depth shows the guard measured growth.
  struct Recurse {
    // Ends after a million levels at the latest; the guard ends it long before.
    static int Down(const StackGuard& g, int depth) {
      volatile char frame[512];
      frame[0] = static_cast<char>(depth);
      g.Check();
      if (depth > 1000000) return 0;
      return Down(g, depth + 1) + frame[0];
    }
  };
  int raised = 0;
  try {
    Recurse::Down(guard, 0);
  } catch (errorNumbers number) {
    raised = static_cast<int>(number);
  }
  EXPECT_EQ(raised, 28);
  SetNativeStackBudget(saved);
}

TEST(ControlStack, PushPeekPop) {
  ControlStack stack;
  EXPECT_EQ(stack.Peek(), nullptr);
  stack.Pop();  // nothing to remove: nothing happens
  EXPECT_EQ(stack.count(), 0);
  ControlEntry entry;
  entry.kind = ControlKind::For;
  entry.offset = 4;
  entry.words[2] = 9;
  entry.name = std::string(40, 'N');
  stack.Push(entry);
  ASSERT_NE(stack.Peek(), nullptr);
  EXPECT_EQ(stack.Peek()->kind, ControlKind::For);
  EXPECT_EQ(stack.Peek()->words[2], 9);
  EXPECT_EQ(stack.Peek()->name.size(), 31u);
  stack.Pop();
  EXPECT_EQ(stack.count(), 0);
}

TEST(ControlStack, AFullStackIgnoresPushes) {
  ControlStack stack;
  ControlEntry entry;
  for (int32_t i = 0; i < ControlStack::kCapacity + 5; ++i) {
    entry.offset = i;
    stack.Push(entry);
  }
  EXPECT_EQ(stack.count(), ControlStack::kCapacity);
  EXPECT_EQ(stack.Peek()->offset, ControlStack::kCapacity - 1);
}

}  // namespace
}  // namespace vorna
