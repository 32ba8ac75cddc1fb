// The system statements, run through the statement table on a sandbox machine,
// for what a script cannot see: what reaches the platform (box styles, sleeps,
// beeps, the random seed, registry handles). The rest is in tests/scripts/system/;
// the link file CREATELINK leaves is read back in shell_link_test.cpp and
// tests/runner/system_sandbox_test.sh.
#include "statements/system_statements.h"

#include <gtest/gtest.h>

#include "script/random.h"
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

}  // namespace
}  // namespace vorna
