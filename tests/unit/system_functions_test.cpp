// SHELL on a machine whose started programs the test sees: the show states it
// asks for. What scripts see of it, of ENVIRON and of MSGBOX is in
// functions/system_functions.bas.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/unit/support/evaluator_fixture.h"
#include "tests/unit/support/inert_system.h"

namespace vorna {
namespace {

using Started = std::vector<std::pair<std::string, int>>;

// Starts nothing: keeps each command line with its show state and answers
// process 1234.
class StartRecorder : public testing::InertSystem {
 public:
  std::optional<uint32_t> StartProcess(const std::string& commandLine, int showState) override {
    started.push_back({commandLine, showState});
    return 1234;
  }
  [[noreturn]] void ExitProcess(int) override { std::abort(); }
  Started started;
};

class ShellTest : public testing::EvaluatorTest {
 protected:
  void SetUp() override {
    platform::Platform machine = saved_;
    machine.system = &system_;
    platform::SetPlatform(machine);
  }
  void TearDown() override { platform::SetPlatform(saved_); }

  platform::Platform saved_ = platform::Current();
  StartRecorder system_;
};

TEST_F(ShellTest, ShellMapsItsStylesToShowStates) {
  Value process;
  Evaluate("SHELL(\"notepad.exe\")", process);
  EXPECT_EQ(process.type(), ValueType::LONG);
  EXPECT_EQ(process.AsLong(), 1234);
  const int expected[] = {0, 1, 2, 3, 8, 7, 7};
  for (int style = 0; style <= 6; ++style) {
    Evaluate(("SHELL(\"x\", " + std::to_string(style) + ")").c_str(), process);
    EXPECT_EQ(system_.started.back(), std::make_pair(std::string("x"), expected[style])) << style;
  }
  EXPECT_EQ(system_.started[0], std::make_pair(std::string("notepad.exe"), 5));
  // Style 7 and a program that does not start are in system_functions.bas.
  EXPECT_EQ(ErrorOf("SHELL(\"x\", -1)"), int(errorNumbers::IllegalValue));
}

}  // namespace
}  // namespace vorna
