// SHELL on a sandbox machine whose started programs the test sees: the show
// states it asks for. What scripts see of it, of ENVIRON and of MSGBOX is in
// functions/system_functions.bas.
#include <gtest/gtest.h>

#include "tests/unit/support/sandbox_script_fixture.h"

namespace vorna {
namespace {

using testing::SandboxScriptTest;

constexpr int kIllegalValue = int(errorNumbers::IllegalValue);

TEST_F(SandboxScriptTest, ShellMapsItsStylesToShowStates) {
  system_.processId = 1234;
  Value process;
  Evaluate("SHELL(\"notepad.exe\")", process);
  EXPECT_EQ(process.type(), ValueType::LONG);
  EXPECT_EQ(process.AsLong(), 1234);
  const int expected[] = {0, 1, 2, 3, 8, 7, 7};
  for (int style = 0; style <= 6; ++style) {
    std::string call = "SHELL(\"x\", " + std::to_string(style) + ")";
    Evaluate(call.c_str(), process);
    EXPECT_EQ(system_.started.back().showState, expected[style]) << call;
  }
  EXPECT_EQ(system_.started[0].commandLine, "notepad.exe");
  EXPECT_EQ(system_.started[0].showState, 5);
  // Style 7 and a program that does not start are in system_functions.bas.
  EXPECT_EQ(ErrorOf("SHELL(\"x\", -1)"), kIllegalValue);
}

}  // namespace
}  // namespace vorna
