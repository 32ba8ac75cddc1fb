// Special folder lookup and the lists a fresh sandbox is seeded with. What
// scripts see of the lists is in tests/scripts/system/shell_folder_lists.bas
// and shell_folders.bas; the sandbox seeds the lists before every run, so only
// here can the lookup be seen creating them, and the seed making every folder.
#include "install/shell_folder_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/installed_platform.h"
#include "platform/portable/shell_folders_seed.h"
#include "tests/unit/support/sandbox_registry.h"

namespace vorna {
namespace {

using SpecialFoldersTest = testing::SandboxRegistryTest;

TEST_F(SpecialFoldersTest, MissingListsAreCreatedAndGiveTheEmptyText) {
  PrepareFile("REGEDIT4\r\n\r\n");
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "DESKTOP", FolderOwner::AllUsers), "");
  for (const char* root : {"HKEY_LOCAL_MACHINE\\SOFTWARE", "HKEY_CURRENT_USER\\Software"}) {
    std::string list = std::string("[") + root + "\\Microsoft\\Windows\\CurrentVersion\\Explorer" +
                       "\\Shell Folders]";
    EXPECT_NE(FileText().find(list), std::string::npos) << FileText();
  }
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

class ShellFoldersSeedTest : public testing::SandboxRegistryTest {
 protected:
  platform::Sandbox sandbox_{folder_.path()};
};

TEST_F(ShellFoldersSeedTest, AFreshSandboxHasEveryListedFolder) {
  ASSERT_TRUE(platform::SeedShellFolders(registry_, sandbox_));
  for (const char* name :
       {"PROGRAMS", "START MENU", "STARTUP", "APPDATA", "CACHE", "COOKIES", "FAVORITES", "FONTS",
        "HISTORY", "NETHOOD", "PERSONAL", "PRINTHOOD", "SENDTO", "TEMPLATES"}) {
    for (FolderOwner owner : {FolderOwner::AllUsers, FolderOwner::CurrentUser}) {
      std::string path = SpecialFolderPath(*platform::Current().registry, name, owner);
      ASSERT_FALSE(path.empty()) << name;
      EXPECT_TRUE(std::filesystem::is_directory(*sandbox_.ToHost(path))) << path;
    }
  }
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

TEST_F(ShellFoldersSeedTest, ValuesAlreadyThereAreKept) {
  PrepareFile(
      "REGEDIT4\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
      "Folders]\r\n\"Desktop\"=\"D:\\\\Mine\"\r\n\"Programs\"=hex:01\r\n");
  ASSERT_TRUE(platform::SeedShellFolders(registry_, sandbox_));
  std::string once = FileText();
  ASSERT_TRUE(platform::SeedShellFolders(registry_, sandbox_));
  EXPECT_EQ(FileText(), once) << "seeding twice changes nothing";
  EXPECT_EQ(SpecialFolderPath(*platform::Current().registry, "DESKTOP", FolderOwner::CurrentUser),
            "D:\\Mine");
  EXPECT_NE(once.find("\"Programs\"=hex:01"), std::string::npos);
}

}  // namespace
}  // namespace vorna
