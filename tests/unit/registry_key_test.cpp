// The registry key object against the sandbox registry: the handles it holds
// and the buffers it reads into; and the key path scanner before it. What scripts see of REGISTRY
// and SETREGISTRY is in tests/scripts/functions/registry.bas and tests/scripts/system/.
#include "install/registry_key.h"

#include <gtest/gtest.h>

#include "install/registry_path.h"
#include "platform/installed_platform.h"
#include "tests/unit/support/sandbox_registry.h"

namespace vorna {
namespace {

using platform::RegistryCall;
using platform::RegType;

using RegistryKeyTest = testing::SandboxRegistryTest;

TEST_F(RegistryKeyTest, OpeningMakesMissingKeysOnRequestAndHoldsOneKeyAtATime) {
  RegistryKey key(*platform::Current().registry);
  EXPECT_FALSE(key.Open("HKEY_CURRENT_USER\\Software\\A\\B\\C", KeyCreation::OpenExisting));
  EXPECT_FALSE(key.isOpen());
  ASSERT_TRUE(key.Open("HKEY_CURRENT_USER\\Software\\A\\B\\C", KeyCreation::CreateMissing));
  EXPECT_EQ(registry_.OpenKeyCount(), 1u) << "only the opened key stays open";
  EXPECT_NE(FileText().find("[HKEY_CURRENT_USER\\Software\\A\\B\\C]"), std::string::npos);
  RegistryKey other(*platform::Current().registry);
  EXPECT_TRUE(other.Open("hkey_current_user\\SOFTWARE\\a\\b\\c", KeyCreation::OpenExisting));
  other.Close();
  EXPECT_TRUE(key.Close());
  EXPECT_FALSE(key.isOpen());
  EXPECT_TRUE(key.Close()) << "nothing to close is no failure";
  // Opening again closes the key held before.
  ASSERT_TRUE(key.Open("HKEY_CURRENT_USER\\One", KeyCreation::CreateMissing));
  ASSERT_TRUE(key.Open("HKEY_CURRENT_USER\\Two", KeyCreation::CreateMissing));
  EXPECT_EQ(registry_.OpenKeyCount(), 1u);
  EXPECT_FALSE(key.Open("", KeyCreation::CreateMissing));
  {
    RegistryKey scoped(*platform::Current().registry);
    ASSERT_TRUE(scoped.Open("HKEY_CURRENT_USER\\One", KeyCreation::OpenExisting));
    EXPECT_EQ(registry_.OpenKeyCount(), 2u);
  }
  EXPECT_EQ(registry_.OpenKeyCount(), 1u) << "a destroyed key object closes its key";
}

// Whichever registry call fails on the way, no key opened along the path is
// left open, and the key object reports the failure.
TEST_F(RegistryKeyTest, AFailedCreationPartWayLeavesNoKeyOpen) {
  const char* path = "HKEY_CURRENT_USER\\Software\\P\\Q\\R";
  for (RegistryCall call : {RegistryCall::Create, RegistryCall::Open, RegistryCall::Save}) {
    for (uint64_t n = 1; n <= 6; ++n) {
      PrepareFile("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\r\n");
      registry_.FailNth(call, n);
      {
        RegistryKey key(*platform::Current().registry);
        bool opened = key.Open(path, KeyCreation::CreateMissing);
        EXPECT_EQ(registry_.OpenKeyCount(), opened ? 1u : 0u) << static_cast<int>(call) << n;
      }
      EXPECT_EQ(registry_.OpenKeyCount(), 0u) << static_cast<int>(call) << " " << n;
      registry_.FailNth(call, 0);
    }
  }
}

TEST_F(RegistryKeyTest, ValuesAreReadIntoTheBuffersGivenAndNoFurther) {
  RegistryKey key(*platform::Current().registry);
  ASSERT_TRUE(key.Open("HKEY_CURRENT_USER\\T", KeyCreation::CreateMissing));
  ASSERT_TRUE(key.SetText("Name", "abc"));
  char buffer[16] = {};
  RegType type = RegType::None;
  EXPECT_EQ(key.QueryValue("Name", buffer, &type, sizeof buffer), 4);
  EXPECT_EQ(key.status(), 4);
  EXPECT_EQ(type, RegType::Sz);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(key.QueryValue("Missing", buffer, &type, sizeof buffer), -1);
  EXPECT_NE(key.status(), 0);
  EXPECT_EQ(key.QueryValue("Name", buffer, &type, 2), -1) << "too small a buffer fails";
  key.Close();
  EXPECT_EQ(key.QueryValue("Name", buffer, &type, sizeof buffer), 0);
  EXPECT_FALSE(key.SetText("Name", "x"));
  // QueryText never reads past its buffer.
  ASSERT_TRUE(key.Open("HKEY_CURRENT_USER\\T", KeyCreation::CreateMissing));
  std::string eight(8, 'x');
  ASSERT_TRUE(key.SetValue("Full", eight.data(), RegType::Sz, 8));
  ASSERT_TRUE(key.SetValue("Short", eight.data(), RegType::Sz, 7));
  ASSERT_TRUE(key.SetValue("Zeros", "ab\0cd", RegType::Sz, 5));
  EXPECT_FALSE(key.QueryText("Full", 8)) << "no room left for the terminating zero";
  EXPECT_EQ(key.QueryText("Full", 9), eight);
  EXPECT_EQ(key.QueryText("Short", 8), std::string(7, 'x'));
  EXPECT_EQ(key.QueryText("Zeros", 8), "ab");
  EXPECT_FALSE(key.QueryText("Missing", 8));
}

// The key path scanner: root prefixes, separators and what is left as subkey.
using platform::RootKey;

struct PrefixCase {
  const char* path;
  RootKey root;
  const char* subkey;
};

TEST(KeyPathScan, SplitsRootSubkeyAndSegments) {
  const PrefixCase cases[] = {
      // The letter case of the prefix does not matter.
      {"HKEY_USERS\\.DEFAULT\\X", RootKey::Users, ".DEFAULT\\X"},
      {"HKEY_CLASSES_ROOT\\.txt", RootKey::ClassesRoot, ".txt"},
      {"Hkey_Local_Machine\\SOFTWARE\\X", RootKey::LocalMachine, "SOFTWARE\\X"},
      // Blanks and tabs may stand before the prefix, after the backslashes.
      {"\\ \tHKEY_CURRENT_USER\\Software", RootKey::CurrentUser, "Software"},
      // No known prefix: the whole path is below HKEY_LOCAL_MACHINE.
      {"\\SOFTWARE\\X", RootKey::LocalMachine, "SOFTWARE\\X"},
      {"HKEY_CURRENT_CONFIG\\X", RootKey::LocalMachine, "HKEY_CURRENT_CONFIG\\X"},
      {"HKEY_USER\\X", RootKey::LocalMachine, "HKEY_USER\\X"},
      // A prefix needs no separator after it.
      {"HKEY_USERSX\\Y", RootKey::Users, "X\\Y"},
      {"HKEY_LOCAL_MACHINESOFTWARE", RootKey::LocalMachine, "SOFTWARE"},
      // A root alone, and nothing at all.
      {"HKEY_CURRENT_USER", RootKey::CurrentUser, ""},
      {"HKEY_CURRENT_USER\\", RootKey::CurrentUser, ""},
      {"", RootKey::LocalMachine, ""},
      // The path ends at its first line break.
      {"HKEY_CURRENT_USER\\Software\\X\r\nHKEY_USERS", RootKey::CurrentUser, "Software\\X"},
      {"\nHKEY_USERS\\X", RootKey::LocalMachine, ""},
      // Inner separators are left to the registry; only the outer ones go.
      {"HKEY_USERS\\A\\\\B\\", RootKey::Users, "A\\\\B\\"}};
  for (const PrefixCase& c : cases) {
    KeyPath scanned = ScanKeyPath(c.path);
    EXPECT_EQ(scanned.root, c.root) << c.path;
    EXPECT_EQ(scanned.subkey, c.subkey) << c.path;
  }
  // The subkey's segments: empty ones are skipped.
  EXPECT_EQ(SubkeySegments("Software\\Microsoft\\Windows"),
            (std::vector<std::string>{"Software", "Microsoft", "Windows"}));
  EXPECT_EQ(SubkeySegments("A\\\\B\\"), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(SubkeySegments("Shell Folders"), (std::vector<std::string>{"Shell Folders"}));
  EXPECT_TRUE(SubkeySegments("").empty());
  EXPECT_TRUE(SubkeySegments("\\\\").empty());
}

}  // namespace
}  // namespace vorna
