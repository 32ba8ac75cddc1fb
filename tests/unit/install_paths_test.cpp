#include "installdata/install_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "installdata/record_names.h"
#include "platform/installed_platform.h"
#include "tests/unit/support/fileset_fixture.h"

namespace vorna {
namespace {

TEST(RecordNames, AcceptsRelativePathsOfOrdinaryNames) {
  for (const char* name :
       {"a.txt", "Sub\\Folder\\file.dll", "console\\x", "COM10", "nul2", ".hidden", "a..b",
        "name with spaces.txt", "\xE9t\xE9.txt", "COM\xB4", "LPT\xBC"}) {
    EXPECT_EQ(CheckRecordName(name), NameVerdict::Accepted) << name;
  }
}

TEST(RecordNames, RefusesEveryNameThatCouldLeaveTheFolder) {
  struct Case {
    const char* name;
    NameVerdict verdict;
  } cases[] = {
      {"", NameVerdict::Empty},
      {"sub\\", NameVerdict::Empty},
      {"a\\\\b", NameVerdict::Empty},
      {"\\x", NameVerdict::Absolute},
      {"/x", NameVerdict::Absolute},
      {"\\\\server\\share", NameVerdict::Absolute},
      {"C:\\x", NameVerdict::StreamOrDrive},
      {"c:x", NameVerdict::StreamOrDrive},
      {"file:stream", NameVerdict::StreamOrDrive},
      {"..", NameVerdict::ParentFolder},
      {"..\\x", NameVerdict::ParentFolder},
      {"a\\..\\..\\x", NameVerdict::ParentFolder},
      {".\\x", NameVerdict::ParentFolder},
      {"... ", NameVerdict::TrailingDotOrBlank},
      {"name.", NameVerdict::TrailingDotOrBlank},
      {"sub \\x", NameVerdict::TrailingDotOrBlank},
      {"NUL", NameVerdict::DeviceName},
      {"nul.txt", NameVerdict::DeviceName},
      {"sub\\Con", NameVerdict::DeviceName},
      {"COM1", NameVerdict::DeviceName},
      {"lpt9.log", NameVerdict::DeviceName},
      {"COM\xB9", NameVerdict::DeviceName},  // superscript one
      {"LPT\xB2.TXT", NameVerdict::DeviceName},
      {"com\xB3 .x", NameVerdict::DeviceName},
      {"PRN.x.y", NameVerdict::DeviceName},
      {"AUX ", NameVerdict::TrailingDotOrBlank},
      {"aux .txt", NameVerdict::DeviceName},
      {"a/b", NameVerdict::ForbiddenCharacter},
      {"a<b", NameVerdict::ForbiddenCharacter},
      {"a>b", NameVerdict::ForbiddenCharacter},
      {"a\"b", NameVerdict::ForbiddenCharacter},
      {"a|b", NameVerdict::ForbiddenCharacter},
      {"a?b", NameVerdict::ForbiddenCharacter},
      {"a*b", NameVerdict::ForbiddenCharacter},
      {"a\x1F"
       "b",
       NameVerdict::ForbiddenCharacter},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckRecordName(c.name), c.verdict) << c.name;
}

TEST(InstallPaths, TrailingSeparator) {
  EXPECT_EQ(WithTrailingSeparator("C:\\Apps"), "C:\\Apps\\");
  EXPECT_EQ(WithTrailingSeparator("C:\\Apps\\"), "C:\\Apps\\");
  EXPECT_EQ(WithTrailingSeparator("C:/Apps/"), "C:/Apps/");
}

TEST(InstallPaths, FolderChainsAndTheFolderWriteTest) {
  testing::SandboxPlatform sandbox;
  EXPECT_TRUE(CreateFolderChain(platform::Current(), "C:\\One\\Two\\Three"));
  EXPECT_TRUE(std::filesystem::is_directory(sandbox.Host("One/Two/Three")));
  EXPECT_FALSE(CreateFolderChain(platform::Current(),
                                 "C:\\One\\Two\\Three"));  // the last already exists
  EXPECT_TRUE(CreateFolderChain(platform::Current(), "C:\\One\\Two\\Four"));
  EXPECT_FALSE(CreateFolderChain(platform::Current(), "C:\\"));
  // The write test of a folder leaves no trace and replaces nothing.
  ASSERT_TRUE(CreateFolderChain(platform::Current(), "C:\\Dest"));
  testing::WriteHostFile(sandbox.Host("Dest/TEST"), "the user's own file");
  EXPECT_TRUE(FolderWriteTest(*platform::Current().files, "C:\\Dest"));
  EXPECT_TRUE(FolderWriteTest(*platform::Current().files, "C:\\Dest\\"));
  EXPECT_EQ(testing::ReadHostFile(sandbox.Host("Dest/TEST")), "the user's own file");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sandbox.Host("Dest")),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_FALSE(FolderWriteTest(*platform::Current().files, "C:\\Missing"));
  sandbox.files.faults().FailFrom(platform::FaultKind::Open, 1);
  EXPECT_FALSE(FolderWriteTest(*platform::Current().files, "C:\\Dest"));
}

}  // namespace
}  // namespace vorna
