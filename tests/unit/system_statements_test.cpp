// The system statements, run through the statement table on a sandbox machine,
// for what a script cannot see: what reaches the platform (box styles, sleeps,
// beeps, the random seed, the link bytes, registry handles). The rest is in
// tests/scripts/system/.
#include "statements/system_statements.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/portable/shell_link_file.h"
#include "script/random.h"
#include "tests/unit/support/system_fixture.h"

namespace vorna {
namespace {

namespace fs = std::filesystem;

using testing::ReadHostFile;

class SystemStatementsTest : public testing::SystemTest {};

constexpr int kDisk = static_cast<int>(errorNumbers::Disk);
constexpr int kTypeMismatch = static_cast<int>(errorNumbers::TypeMismatch);

TEST_F(SystemStatementsTest, MsgBoxArgumentsByCount) {
  Run("MSGBOX \"Alone\"");
  Run("MSGBOX \"Two\", \"Caption two\"");
  Run("MSGBOX \"Three\", 48, \"Caption three\"");
  Run("MSGBOX \"Wide\", 65535, \"Bits\"");
  ASSERT_EQ(interaction_.boxes.size(), 4u);
  EXPECT_EQ(interaction_.boxes[0].caption, "C:\\SETUP.EXE");
  EXPECT_EQ(interaction_.boxes[0].style, 0u);
  EXPECT_EQ(interaction_.boxes[0].owner, platform::Owner::Backdrop);
  EXPECT_EQ(interaction_.boxes[1].text, "Two");
  EXPECT_EQ(interaction_.boxes[1].caption, "Caption two");
  EXPECT_EQ(interaction_.boxes[1].style, 0u);
  EXPECT_EQ(interaction_.boxes[2].caption, "Caption three");
  EXPECT_EQ(interaction_.boxes[2].style, 48u);
  // The style is an INTEGER; its 16 bits reach the box without sign extension.
  EXPECT_EQ(interaction_.boxes[3].style, 0xFFFFu);
}

TEST_F(SystemStatementsTest, BeepAndSleep) {
  EXPECT_EQ(Run("BEEP: BEEP"), ": BEEP");
  EXPECT_EQ(system_.beeps, std::vector<unsigned>{0xFFFFFFFFu});
  Run("SLEEP 250");
  Run("SLEEP 2.9");
  Run("SLEEP 0");
  Run("SLEEP -1");
  EXPECT_EQ(system_.sleeps, (std::vector<uint32_t>{250, 2}));
  EXPECT_EQ(ErrorOf("SLEEP \"1\""), kTypeMismatch);
}

TEST_F(SystemStatementsTest, RandomizeSeedsWithTheTimeAndReadsNothingAfterIt) {
  SeedRandom(static_cast<uint32_t>(system_.now));
  int32_t first = NextRandom();
  int32_t second = NextRandom();
  SeedRandom(7);
  EXPECT_EQ(Run("RANDOMIZE: BEEP"), ": BEEP");
  EXPECT_EQ(NextRandom(), first);
  EXPECT_EQ(NextRandom(), second);
  // An argument is not read, and the line ends unless ":" follows at once.
  system_.now = 12345;
  EXPECT_EQ(Run("RANDOMIZE 99: BEEP", StatementEnd::Advance), " 99: BEEP");
  EXPECT_EQ(Run("RANDOMIZE : BEEP", StatementEnd::Advance), " : BEEP");
  SeedRandom(12345);
  int32_t expected = NextRandom();
  Run("RANDOMIZE", StatementEnd::Advance);
  EXPECT_EQ(NextRandom(), expected);
  SeedRandom(1);
}

TEST_F(SystemStatementsTest, CreateLinkWritesAShortcutThatReadsBack) {
  fs::create_directories(Host("Users/Me/Desktop"));
  Run("CREATELINK \"C:\\Apps\\app.exe\", \"C:\\Users\\Me\\Desktop\\App.lnk\", \"The \" & \"App\"");
  std::string bytes = ReadHostFile(Host("Users/Me/Desktop/App.lnk"));
  platform::ShellLinkHeader header;
  std::string error;
  auto link =
      platform::DecodeShellLink(std::vector<uint8_t>(bytes.begin(), bytes.end()), &header, &error);
  ASSERT_TRUE(link) << error;
  EXPECT_EQ(header.headerSize, platform::kShellLinkHeaderSize);
  EXPECT_EQ(link->localBasePath, "C:\\Apps\\app.exe");
  EXPECT_EQ(link->relativePath, "..\\..\\..\\Apps\\app.exe");
  EXPECT_EQ(link->description, "The App");
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
