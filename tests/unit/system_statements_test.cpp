// The system statements, run through the statement table on a sandbox machine.
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
using testing::WriteHostFile;

class SystemStatementsTest : public testing::SystemTest {};

constexpr int kIllegalUse = static_cast<int>(errorNumbers::IllegalUse);
constexpr int kDisk = static_cast<int>(errorNumbers::Disk);
constexpr int kTypeMismatch = static_cast<int>(errorNumbers::TypeMismatch);

TEST_F(SystemStatementsTest, KillDeletesOneFileAndAMissingFileIsDisk) {
  WriteHostFile(Host("a.txt"), "x");
  WriteHostFile(Host("b.txt"), "y");
  EXPECT_EQ(Run("KILL \"C:\\a.txt\": PRINT"), ": PRINT");
  EXPECT_FALSE(fs::exists(Host("a.txt")));
  EXPECT_TRUE(fs::exists(Host("b.txt")));
  EXPECT_EQ(ErrorOf("KILL \"C:\\a.txt\""), kDisk);
  // No wildcard expansion: the pattern names a file that does not exist.
  EXPECT_EQ(ErrorOf("KILL \"C:\\*.txt\""), kDisk);
  EXPECT_TRUE(fs::exists(Host("b.txt")));
  EXPECT_EQ(ErrorOf("KILL 5"), kTypeMismatch);
}

TEST_F(SystemStatementsTest, NameMovesAndNeedsAs) {
  WriteHostFile(Host("old.txt"), "content");
  EXPECT_EQ(ErrorOf("NAME \"C:\\old.txt\" \"C:\\new.txt\""), kIllegalUse);
  EXPECT_EQ(ErrorOf("NAME \"C:\\old.txt\", \"C:\\new.txt\""), kIllegalUse);
  EXPECT_TRUE(fs::exists(Host("old.txt")));
  Run("name \"C:\\old.txt\" as \"C:\\new.txt\"");
  EXPECT_EQ(ReadHostFile(Host("new.txt")), "content");
  EXPECT_FALSE(fs::exists(Host("old.txt")));
  // The source is gone now; a move onto an existing file fails too.
  EXPECT_EQ(ErrorOf("NAME \"C:\\old.txt\" AS \"C:\\other.txt\""), kDisk);
  WriteHostFile(Host("other.txt"), "");
  EXPECT_EQ(ErrorOf("NAME \"C:\\new.txt\" AS \"C:\\other.txt\""), kDisk);
}

TEST_F(SystemStatementsTest, MkDirCreatesEveryFolderAlongThePath) {
  Run("MKDIR \"C:\\A\\B\\C\"");
  EXPECT_TRUE(fs::is_directory(Host("A/B/C")));
  // Existing folders and impossible paths pass silently.
  EXPECT_EQ(ErrorOf("MKDIR \"C:\\A\\B\""), 0);
  EXPECT_EQ(ErrorOf("MKDIR \"C:\\A\\B\\C\\D\""), 0);
  EXPECT_TRUE(fs::is_directory(Host("A/B/C/D")));
  WriteHostFile(Host("file"), "");
  EXPECT_EQ(ErrorOf("MKDIR \"C:\\file\\sub\""), 0);
  EXPECT_EQ(ErrorOf("MKDIR \"\""), 0);
}

TEST_F(SystemStatementsTest, RmDirAndChDirFailWithDisk) {
  fs::create_directories(Host("Full/Inner"));
  EXPECT_EQ(ErrorOf("RMDIR \"C:\\Full\""), kDisk);
  EXPECT_EQ(ErrorOf("RMDIR \"C:\\Missing\""), kDisk);
  Run("RMDIR \"C:\\Full\\Inner\"");
  EXPECT_FALSE(fs::exists(Host("Full/Inner")));

  EXPECT_EQ(ErrorOf("CHDIR \"C:\\Missing\""), kDisk);
  Run("CHDIR \"C:\\Full\"");
  EXPECT_EQ(files_.sandbox().CurrentFolder(), "C:\\Full");
  // Relative paths now resolve in the new current folder.
  Run("MKDIR \"Made\"");
  EXPECT_TRUE(fs::is_directory(Host("Full/Made")));
}

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

TEST_F(SystemStatementsTest, MsgBoxArgumentTypes) {
  EXPECT_EQ(ErrorOf("MSGBOX \"Text\", 48"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("MSGBOX \"Text\", \"48\", \"Caption\""), kTypeMismatch);
  EXPECT_EQ(ErrorOf("MSGBOX 1"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("MSGBOX \"Text\", 48, 49"), kTypeMismatch);
  EXPECT_TRUE(interaction_.boxes.empty());
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

TEST_F(SystemStatementsTest, CreateLinkIgnoresFailuresButNeedsItsCommas) {
  // The link's folder does not exist: the shell fails, the statement does not.
  EXPECT_EQ(ErrorOf("CREATELINK \"C:\\a.exe\", \"C:\\No\\Such\\a.lnk\", \"A\""), 0);
  EXPECT_NE(shellLog_.str().find("C:\\No\\Such\\a.lnk"), std::string::npos) << shellLog_.str();
  EXPECT_EQ(ErrorOf("CREATELINK \"C:\\a.exe\" \"C:\\a.lnk\", \"A\""), kIllegalUse);
  EXPECT_EQ(ErrorOf("CREATELINK \"C:\\a.exe\", \"C:\\a.lnk\""), kIllegalUse);
  EXPECT_FALSE(fs::exists(Host("a.lnk")));
}

TEST_F(SystemStatementsTest, SetRegistryCreatesTheKeyPathAndWritesText) {
  Run("SETREGISTRY \"HKEY_CURRENT_USER\\Software\\X\\Y\", \"N\", \"V\"");
  Run("SETREGISTRY \"SOFTWARE\\Vendor\", \"\", \"default\"");
  std::string file = ReadHostFile(registry_.filePath());
  EXPECT_NE(file.find("[HKEY_CURRENT_USER\\Software\\X\\Y]\r\n\"N\"=\"V\"\r\n"), std::string::npos)
      << file;
  // A path without a known root lies under HKEY_LOCAL_MACHINE; an empty name
  // is the default value.
  EXPECT_NE(file.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor]\r\n@=\"default\"\r\n"),
            std::string::npos)
      << file;
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

TEST_F(SystemStatementsTest, SetRegistryFailures) {
  EXPECT_EQ(ErrorOf("SETREGISTRY \"\", \"N\", \"V\""), kIllegalUse);
  registry_.FailNth(platform::RegistryCall::Set, 1);
  EXPECT_EQ(ErrorOf("SETREGISTRY \"HKEY_USERS\\K\", \"N\", \"V\""), kDisk);
  EXPECT_EQ(registry_.OpenKeyCount(), 0u) << "the key is closed after a failed write";
  EXPECT_EQ(ErrorOf("SETREGISTRY \"HKEY_USERS\\K\" \"N\", \"V\""), kIllegalUse);
  EXPECT_EQ(ErrorOf("SETREGISTRY \"HKEY_USERS\\K\", \"N\", 5"), kTypeMismatch);
  EXPECT_EQ(ReadHostFile(registry_.filePath()).find("\"N\""), std::string::npos);
}

}  // namespace
}  // namespace vorna
