// The functions that reach the machine (ENVIRON, MSGBOX, SHELL) on a sandbox
// machine whose environment, boxes and started programs the test sees. What
// scripts see of the file table's functions is in functions/file_handle_functions.bas.
#include <gtest/gtest.h>

#include "tests/unit/support/sandbox_script_fixture.h"

namespace vorna {
namespace {

using testing::SandboxScriptTest;

constexpr int kIllegalUse = int(errorNumbers::IllegalUse);
constexpr int kIllegalValue = int(errorNumbers::IllegalValue);

TEST_F(SandboxScriptTest, EnvironReadsTheEnvironment) {
  system_.environment["TEMP"] = "C:\\TEMP";
  EXPECT_EQ(Text("ENVIRON(\"TEMP\")"), "C:\\TEMP");
  EXPECT_EQ(Text("ENVIRON$(\"TE\" & \"MP\") & \"!\""), "C:\\TEMP!");
  EXPECT_EQ(Text("ENVIRON(\"MISSING\") & \"!\""), "!");
}

TEST_F(SandboxScriptTest, MsgBoxArgumentsByCount) {
  interaction_.buttons = {platform::id::Yes};
  Value button;
  Evaluate("MSGBOX(\"Hello\")", button);
  EXPECT_EQ(button.type(), ValueType::LONG);
  EXPECT_EQ(button.AsLong(), platform::id::Yes);
  Evaluate("MSGBOX(\"Two\", \"Caption\")", button);
  Evaluate("MSGBOX(\"Three\", 48 + 4, \"Warn\")", button);
  ASSERT_EQ(interaction_.boxes.size(), 3u);
  // One argument: captioned with the program's own path, one OK button.
  EXPECT_EQ(interaction_.boxes[0].text, "Hello");
  EXPECT_EQ(interaction_.boxes[0].caption, "C:\\SETUP.EXE");
  EXPECT_EQ(interaction_.boxes[0].style, 0u);
  EXPECT_EQ(interaction_.boxes[0].owner, platform::Owner::Backdrop);
  EXPECT_EQ(interaction_.boxes[1].caption, "Caption");
  EXPECT_EQ(interaction_.boxes[1].style, 0u);
  EXPECT_EQ(interaction_.boxes[2].caption, "Warn");
  EXPECT_EQ(interaction_.boxes[2].style, 52u);
  EXPECT_EQ(ErrorOf("MSGBOX(\"a\", 1)"), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf("MSGBOX \"a\""), kIllegalUse);
}

TEST_F(SandboxScriptTest, ShellStylesAndFailure) {
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
  EXPECT_EQ(ErrorOf("SHELL(\"x\", 7)"), kIllegalValue);
  EXPECT_EQ(ErrorOf("SHELL(\"x\", -1)"), kIllegalValue);
  system_.processId.reset();
  EXPECT_EQ(ErrorOf("SHELL(\"x\")"), int(errorNumbers::Disk));
}

}  // namespace
}  // namespace vorna
