// The system statements and functions on a sandbox machine, for what a script
// cannot see: what reaches the platform (box styles, sleeps, beeps, the random
// seed, registry handles, SHELL's show states) and the random generator's
// seed and state per thread. The rest is in tests/scripts/system/ and
// functions/ (RND's exact scale and range in number_functions.bas, what
// scripts see of SHELL, ENVIRON and MSGBOX in system_functions.bas); the link
// file CREATELINK leaves is read back in shell_link_test.cpp.
#include "statements/system_statements.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "script/random.h"
#include "tests/unit/support/evaluator_fixture.h"
#include "tests/unit/support/inert_system.h"
#include "tests/unit/support/system_fixture.h"

namespace vorna {
namespace {

class SystemStatementsTest : public testing::SystemTest {};

constexpr int kDisk = static_cast<int>(errorNumbers::Disk);
constexpr int kTypeMismatch = static_cast<int>(errorNumbers::TypeMismatch);

// The box's captions and texts by count are in system/messages.bas.
TEST_F(SystemStatementsTest, MsgBoxStyleIsSixteenBitsUnderTheBackdrop) {
  Run("MSGBOX \"Wide\", 65535, \"Bits\"");
  ASSERT_EQ(interaction_.boxes.size(), 1u);
  // The style is an INTEGER; its 16 bits reach the box without sign extension.
  EXPECT_EQ(interaction_.boxes[0].style, 0xFFFFu);
  EXPECT_EQ(interaction_.boxes[0].owner, platform::Owner::Backdrop);
}

TEST_F(SystemStatementsTest, SleepsOfWholeMillisecondsAndBeepsEndAtTheirStatement) {
  EXPECT_EQ(Run("BEEP: BEEP"), ": BEEP");
  Run("SLEEP 250");
  Run("SLEEP 2.9");
  Run("SLEEP 0");
  Run("SLEEP -1");
  EXPECT_EQ(system_.sleeps, (std::vector<uint32_t>{250, 2}));
  EXPECT_EQ(ErrorOf("SLEEP \"1\""), kTypeMismatch);
}

// What RANDOMIZE leaves of its line is in functions/number_functions.bas.
TEST_F(SystemStatementsTest, RandomizeSeedsWithTheTime) {
  system_.now = 12345;
  SeedRandom(12345);
  int32_t expected = NextRandom();
  SeedRandom(7);
  Run("RANDOMIZE", StatementEnd::Advance);
  EXPECT_EQ(NextRandom(), expected);
  SeedRandom(1);
}

TEST_F(SystemStatementsTest, SetRegistryClosesItsKeysWhetherTheWriteWorksOrNot) {
  Run("SETREGISTRY \"HKEY_CURRENT_USER\\Software\\X\\Y\", \"N\", \"V\"");
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
  registry_.FailNth(platform::RegistryCall::Set, 1);
  EXPECT_EQ(ErrorOf("SETREGISTRY \"HKEY_USERS\\K\", \"N\", \"V\""), kDisk);
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

TEST(RandomTest, SeedingRestartsTheSequence) {
  SeedRandom(1);
  int32_t first = NextRandom();
  int32_t second = NextRandom();
  EXPECT_EQ(first, 41);
  EXPECT_EQ(second, 18467);
  SeedRandom(1);
  EXPECT_EQ(NextRandom(), first);
  SeedRandom(12345);
  EXPECT_NE(NextRandom(), first);
  // Another thread keeps its own state, untouched by this thread's seed, and
  // starts as if seeded with 1.
  std::vector<int32_t> other;
  std::thread([&] {
    for (int i = 0; i < 3; ++i) other.push_back(NextRandom());
  }).join();
  EXPECT_EQ(other, (std::vector<int32_t>{41, 18467, 6334}));
}

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
