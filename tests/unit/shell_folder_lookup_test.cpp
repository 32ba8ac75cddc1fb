// Special folder lookup through the two shell folder lists.
#include "install/shell_folder_lookup.h"

#include <gtest/gtest.h>

#include "platform/installed_platform.h"
#include "tests/unit/support/sandbox_registry.h"

namespace vorna {
namespace {

const char* const kFolders =
    "REGEDIT4\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
    "Folders]\r\n"
    "\"Common Programs\"=\"C:\\\\All\\\\Programs\"\r\n"
    "\"Common Startup\"=\"\"\r\n"
    "\"Fonts\"=\"C:\\\\All\\\\WrongFonts\"\r\n"
    "\"Desktop\"=\"C:\\\\All\\\\WrongDesktop\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders]\r\n"
    "\"Desktop\"=\"C:\\\\Me\\\\Desktop\"\r\n"
    "\"Programs\"=\"C:\\\\Me\\\\Programs\"\r\n"
    "\"Startup\"=\"C:\\\\Me\\\\Startup\"\r\n"
    "\"Fonts\"=\"C:\\\\Windows\\\\Fonts\"\r\n"
    "\"History\"=\"C:\\\\Me\\\\History\"\r\n"
    "\"Recent\"=\"C:\\\\Me\\\\Recent\"\r\n"
    "\r\n";

class SpecialFoldersTest : public testing::SandboxRegistryTest {
 protected:
  void SetUp() override {
    SandboxRegistryTest::SetUp();
    PrepareFile(kFolders);
  }
  /// Adds the value that the misspelt folder name reads.
  void WriteRecient() {
    PrepareFile(std::string(kFolders) +
                "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                "Shell Folders]\r\n\"Recient\"=\"C:\\\\Me\\\\Recient\"\r\n");
  }
};

TEST_F(SpecialFoldersTest, NamesMatchInAnyLetterCase) {
  for (const char* name : {"Desktop", "DESKTOP", "desktop", "dEsKtOp"}) {
    EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, name, FolderOwner::AllUsers),
              "C:\\Me\\Desktop")
        << name;
    EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, name, FolderOwner::CurrentUser),
              "C:\\Me\\Desktop")
        << name;
  }
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "start menu", FolderOwner::AllUsers),
            "");
}

TEST_F(SpecialFoldersTest, AllUsersComesFirstOnlyForTheFourCommonFolders) {
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "PROGRAMS", FolderOwner::AllUsers),
            "C:\\All\\Programs");
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "PROGRAMS", FolderOwner::CurrentUser),
            "C:\\Me\\Programs");
  // An empty all-users value falls back to the user's own folder.
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "STARTUP", FolderOwner::AllUsers),
            "C:\\Me\\Startup");
  // Other folders are never read from the all-users list, whatever it holds.
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "FONTS", FolderOwner::AllUsers),
            "C:\\Windows\\Fonts");
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "FONTS", FolderOwner::CurrentUser),
            "C:\\Windows\\Fonts");
}

TEST_F(SpecialFoldersTest, HistoryReadsItsOwnValueAndRecientKeepsItsSpelling) {
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "HISTORY", FolderOwner::AllUsers),
            "C:\\Me\\History");
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "RECIENT", FolderOwner::AllUsers), "");
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "RECENT", FolderOwner::AllUsers), "");
  WriteRecient();
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "recient", FolderOwner::AllUsers),
            "C:\\Me\\Recient");
}

TEST_F(SpecialFoldersTest, UnknownNamesAndMissingValuesGiveTheEmptyText) {
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "MYFOLDER", FolderOwner::AllUsers),
            "");
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "MYFOLDER", FolderOwner::CurrentUser),
            "");
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "", FolderOwner::AllUsers), "");
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "APPDATA", FolderOwner::CurrentUser),
            "");
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

TEST_F(SpecialFoldersTest, MissingListsAreCreatedAndGiveTheEmptyText) {
  PrepareFile("REGEDIT4\r\n\r\n");
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "DESKTOP", FolderOwner::AllUsers), "");
  std::string file = FileText();
  EXPECT_NE(file.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
                      "Explorer\\Shell Folders]"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\"
                      "Explorer\\Shell Folders]"),
            std::string::npos)
      << file;
}

TEST_F(SpecialFoldersTest, PathsLongerThanTheBufferGiveTheEmptyText) {
  std::string fits(254, 'a');
  std::string tooLong(255, 'b');
  PrepareFile(std::string(kFolders) +
              "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
              "Shell Folders]\r\n\"Cookies\"=\"" +
              fits + "\"\r\n\"Cache\"=\"" + tooLong + "\"\r\n");
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "COOKIES", FolderOwner::CurrentUser),
            fits);
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "CACHE", FolderOwner::CurrentUser),
            "");
}

}  // namespace
}  // namespace vorna
