// Special folder lookup on a registry without the shell folder lists. What
// scripts see of the lists is in tests/scripts/system/special_folder_lists.bas
// and shell_folders.bas; the sandbox seeds the lists before every run, so only
// here can the lookup be seen creating them.
#include "install/shell_folder_lookup.h"

#include <gtest/gtest.h>

#include "platform/installed_platform.h"
#include "tests/unit/support/sandbox_registry.h"

namespace vorna {
namespace {

using SpecialFoldersTest = testing::SandboxRegistryTest;

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
  EXPECT_EQ(registry_.OpenKeyCount(), 0u);
}

}  // namespace
}  // namespace vorna
