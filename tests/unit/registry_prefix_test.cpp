// The key path scanner: root prefixes, separators and what is left as subkey.
#include <gtest/gtest.h>

#include "install/registry_path.h"

namespace vorna {
namespace {

using platform::RootKey;

struct PrefixCase {
  const char* path;
  RootKey root;
  const char* subkey;
};

class KeyPathScan : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(KeyPathScan, SplitsRootAndSubkey) {
  const PrefixCase& c = GetParam();
  KeyPath scanned = ScanKeyPath(c.path);
  EXPECT_EQ(scanned.root, c.root) << c.path;
  EXPECT_EQ(scanned.subkey, c.subkey) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, KeyPathScan,
    ::testing::Values(
        // Separators around the prefix and its letter case do not matter.
        PrefixCase{"HKEY_USERS\\.DEFAULT\\X", RootKey::Users, ".DEFAULT\\X"},
        PrefixCase{"\\\\HKEY_USERS\\\\.DEFAULT\\X", RootKey::Users, ".DEFAULT\\X"},
        PrefixCase{"hkey_users\\.DEFAULT\\X", RootKey::Users, ".DEFAULT\\X"},
        PrefixCase{"HKEY_CLASSES_ROOT\\.txt", RootKey::ClassesRoot, ".txt"},
        PrefixCase{"HKEY_CURRENT_USER\\Software\\X", RootKey::CurrentUser, "Software\\X"},
        PrefixCase{"Hkey_Local_Machine\\SOFTWARE\\X", RootKey::LocalMachine, "SOFTWARE\\X"},
        // Blanks and tabs may stand before the prefix, after the backslashes.
        PrefixCase{"\\ \tHKEY_CURRENT_USER\\Software", RootKey::CurrentUser, "Software"},
        // No known prefix: the whole path is below HKEY_LOCAL_MACHINE.
        PrefixCase{"SOFTWARE\\X", RootKey::LocalMachine, "SOFTWARE\\X"},
        PrefixCase{"\\SOFTWARE\\X", RootKey::LocalMachine, "SOFTWARE\\X"},
        PrefixCase{"HKEY_CURRENT_CONFIG\\X", RootKey::LocalMachine, "HKEY_CURRENT_CONFIG\\X"},
        PrefixCase{"HKEY_USER\\X", RootKey::LocalMachine, "HKEY_USER\\X"},
        // A prefix needs no separator after it.
        PrefixCase{"HKEY_USERSX\\Y", RootKey::Users, "X\\Y"},
        PrefixCase{"HKEY_LOCAL_MACHINESOFTWARE", RootKey::LocalMachine, "SOFTWARE"},
        // A root alone, and nothing at all.
        PrefixCase{"HKEY_CURRENT_USER", RootKey::CurrentUser, ""},
        PrefixCase{"HKEY_CURRENT_USER\\", RootKey::CurrentUser, ""},
        PrefixCase{"", RootKey::LocalMachine, ""},
        // The path ends at its first line break.
        PrefixCase{"HKEY_CURRENT_USER\\Software\\X\r\nHKEY_USERS", RootKey::CurrentUser,
                   "Software\\X"},
        PrefixCase{"\nHKEY_USERS\\X", RootKey::LocalMachine, ""},
        // Inner separators are left to the registry; only the outer ones go.
        PrefixCase{"HKEY_USERS\\A\\\\B\\", RootKey::Users, "A\\\\B\\"}));

TEST(SubkeySegments, SplitsOnBackslashesSkippingEmptyOnes) {
  EXPECT_EQ(SubkeySegments("Software\\Microsoft\\Windows"),
            (std::vector<std::string>{"Software", "Microsoft", "Windows"}));
  EXPECT_EQ(SubkeySegments("A\\\\B\\"), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(SubkeySegments("Shell Folders"), (std::vector<std::string>{"Shell Folders"}));
  EXPECT_TRUE(SubkeySegments("").empty());
  EXPECT_TRUE(SubkeySegments("\\\\").empty());
}

}  // namespace
}  // namespace vorna
