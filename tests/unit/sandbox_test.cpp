#include "platform/portable/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/unit/support/temp_folder.h"

namespace vorna::platform {
namespace {

using testing::TempFolder;
using testing::WriteHostFile;

class SandboxTest : public ::testing::Test {
 protected:
  SandboxTest() : sandbox_(temp_.path()) {
    std::filesystem::create_directories(temp_ / "C");
    std::filesystem::create_directories(temp_ / "D");
  }
  std::string Host(const std::string& path) { return sandbox_.ToHost(path).value_or("<none>"); }

  TempFolder temp_;
  Sandbox sandbox_;
};

TEST_F(SandboxTest, MapsAbsolutePathsBelowTheDriveFolderAndNeverAbove) {
  EXPECT_EQ(Host("C:\\Apps\\Tool.exe"), temp_ / "C/Apps/Tool.exe");
  EXPECT_EQ(Host("d:/data/x.txt"), temp_ / "D/data/x.txt");
  EXPECT_EQ(Host("C:\\"), temp_ / "C");
  EXPECT_EQ(Host("C:\\a//b\\\\c"), temp_ / "C/a/b/c");
  // Trailing dots and blanks go, as Windows drops them.
  EXPECT_EQ(Host("C:\\name. \\file.txt."), temp_ / "C/name/file.txt");
  // Paths no drive holds.
  EXPECT_FALSE(sandbox_.ToHost(""));
  EXPECT_FALSE(sandbox_.ToHost("\\\\server\\share\\x"));
  EXPECT_FALSE(sandbox_.ToHost("//server/share"));
  EXPECT_FALSE(sandbox_.ToHost(std::string("C:\\a\0b", 6)));
  // Dot-dot never climbs above the drive.
  EXPECT_EQ(Host("C:\\..\\..\\etc\\passwd"), temp_ / "C/etc/passwd");
  EXPECT_EQ(Host("C:\\a\\..\\..\\b"), temp_ / "C/b");
  EXPECT_EQ(Host("../../x"), temp_ / "C/x");
  EXPECT_EQ(Host("C:/a/./b/../c"), temp_ / "C/a/c");
  EXPECT_EQ(Host("C:\\..\\D\\x"), temp_ / "C/D/x");
}

TEST_F(SandboxTest, RelativePathsFollowTheCurrentFolder) {
  std::filesystem::create_directories(temp_ / "C/Work/Sub");
  EXPECT_EQ(sandbox_.CurrentFolder(), "C:\\");
  EXPECT_EQ(Host("file.txt"), temp_ / "C/file.txt");
  ASSERT_TRUE(sandbox_.SetCurrentFolder("C:\\Work"));
  EXPECT_EQ(sandbox_.CurrentFolder(), "C:\\Work");
  EXPECT_EQ(Host("file.txt"), temp_ / "C/Work/file.txt");
  EXPECT_EQ(Host("Sub\\f"), temp_ / "C/Work/Sub/f");
  EXPECT_EQ(Host(".\\f"), temp_ / "C/Work/f");
  EXPECT_EQ(Host("\\top.txt"), temp_ / "C/top.txt");
  // "C:name" is relative to the current folder of the current drive only.
  EXPECT_EQ(Host("C:name"), temp_ / "C/Work/name");
  EXPECT_EQ(Host("D:name"), temp_ / "D/name");
  ASSERT_TRUE(sandbox_.SetCurrentFolder("Sub"));
  EXPECT_EQ(sandbox_.CurrentFolder(), "C:\\Work\\Sub");
  // The current folder must be an existing folder.
  WriteHostFile(temp_ / "C/plain.txt", "x");
  EXPECT_FALSE(sandbox_.SetCurrentFolder("C:\\Missing"));
  EXPECT_FALSE(sandbox_.SetCurrentFolder("C:\\plain.txt"));
  EXPECT_FALSE(sandbox_.SetCurrentFolder("Q:\\"));
  EXPECT_EQ(sandbox_.CurrentFolder(), "C:\\Work\\Sub");
  EXPECT_TRUE(sandbox_.SetCurrentFolder("d:"));
  EXPECT_EQ(sandbox_.CurrentFolder(), "D:\\");
}

TEST_F(SandboxTest, FindsExistingNamesIgnoringCase) {
  WriteHostFile(temp_ / "C/Program Files/Vendor/ReadMe.TXT", "x");
  EXPECT_EQ(Host("c:\\PROGRAM FILES\\vendor\\readme.txt"),
            temp_ / "C/Program Files/Vendor/ReadMe.TXT");
  // A missing tail keeps the spelling it was given below the last match.
  EXPECT_EQ(Host("C:\\program files\\NEW\\File.txt"), temp_ / "C/Program Files/NEW/File.txt");
  // The exact name wins over a case variant.
  WriteHostFile(temp_ / "C/program files/x", "y");
  EXPECT_EQ(Host("C:\\program files\\x"), temp_ / "C/program files/x");
}

TEST_F(SandboxTest, AMountedDriveLivesInItsOwnHostFolder) {
  TempFolder elsewhere;
  WriteHostFile(elsewhere / "Out/File.txt", "x");
  sandbox_.Mount('x', elsewhere.path());
  EXPECT_EQ(Host("X:\\out\\file.txt"), elsewhere / "Out/File.txt");
  EXPECT_EQ(Host("x:\\..\\..\\new"), elsewhere / "new");
  EXPECT_EQ(Host("C:\\a"), temp_ / "C/a");  // other drives are unchanged
}

TEST_F(SandboxTest, MapsHostPathsBackToWindowsPaths) {
  EXPECT_EQ(sandbox_.ToWindows(temp_ / "C/Setup/SETUP.EXE").value_or("<none>"),
            "C:\\Setup\\SETUP.EXE");
  EXPECT_EQ(sandbox_.ToWindows(temp_ / "D").value_or("<none>"), "D:\\");
  EXPECT_EQ(sandbox_.ToWindows(temp_ / "C/a/../b").value_or("<none>"), "C:\\b");
  EXPECT_FALSE(sandbox_.ToWindows("/etc/passwd"));
  EXPECT_FALSE(sandbox_.ToWindows(temp_ / "Data/file"));
  EXPECT_FALSE(sandbox_.ToWindows(temp_.path()));
}

TEST_F(SandboxTest, NoPathCrossesALink) {
  TempFolder outside;
  WriteHostFile(outside / "dir/secret.txt", "outside");
  std::filesystem::create_directories(temp_ / "C/Apps");
  std::filesystem::create_directory_symlink(outside / "dir", temp_ / "C/Apps/linked");
  std::filesystem::create_symlink(outside / "dir/secret.txt", temp_ / "C/Apps/file.lnk");
  std::filesystem::create_directory_symlink(outside.path(), temp_ / "E");  // a drive folder
  EXPECT_FALSE(sandbox_.ToHost("C:\\Apps\\linked\\secret.txt"));
  EXPECT_FALSE(sandbox_.ToHost("C:\\apps\\LINKED"));
  EXPECT_FALSE(sandbox_.ToHost("C:\\Apps\\file.lnk"));
  EXPECT_FALSE(sandbox_.ToHost("E:\\dir\\secret.txt"));
  EXPECT_FALSE(sandbox_.SetCurrentFolder("C:\\Apps\\linked"));
  EXPECT_EQ(Host("C:\\Apps\\plain.txt"), temp_ / "C/Apps/plain.txt");
}

TEST_F(SandboxTest, WindowsNamesAreWindows1252AndHostNamesUtf8) {
  WriteHostFile(temp_ / "C/Caf\xC3\xA9/\xC3\x89T\xC3\x89.TXT", "x");  // Café/ÉTÉ.TXT
  EXPECT_EQ(Host("C:\\Caf\xE9\\\xC9T\xC9.TXT"), temp_ / "C/Caf\xC3\xA9/\xC3\x89T\xC3\x89.TXT");
  // Case is ignored in the whole code page, not only in ASCII.
  EXPECT_EQ(Host("C:\\CAF\xC9\\\xE9t\xE9.txt"), temp_ / "C/Caf\xC3\xA9/\xC3\x89T\xC3\x89.TXT");
  EXPECT_EQ(Host("C:\\new \x80"), temp_ / "C/new \xE2\x82\xAC");  // the euro sign
  EXPECT_EQ(sandbox_.ToWindows(temp_ / "C/Caf\xC3\xA9").value_or("<none>"), "C:\\Caf\xE9");
  // A host name the code page cannot hold has no Windows path.
  EXPECT_FALSE(sandbox_.ToWindows(temp_ / "C/\xE4\xB8\xAD"));
}

}  // namespace
}  // namespace vorna::platform
