// Test support for the registry and shell tests: a sandbox registry installed as the current
// platform's registry.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/portable_registry.h"
#include "temp_folder.h"

namespace vorna::testing {

/// Installs a sandbox registry kept in a temporary folder as the platform's
/// registry for the length of a test, restoring the previous platform after.
class SandboxRegistryTest : public ::testing::Test {
 protected:
  SandboxRegistryTest() : saved_(platform::Current()), registry_(folder_.path()) {}

  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    LoadRegistry();
  }
  void TearDown() override { platform::SetPlatform(saved_); }

  /// Writes the registry file and loads it again.
  void PrepareFile(const std::string& text) {
    WriteHostFile(registry_.filePath(), text);
    LoadRegistry();
  }
  void LoadRegistry() {
    std::string error;
    ASSERT_TRUE(registry_.Load(&error)) << error;
    platform::Platform machine = platform::Current();
    machine.registry = &registry_;
    platform::SetPlatform(machine);
  }
  std::string FileText() const { return ReadHostFile(registry_.filePath()); }

  TempFolder folder_;
  platform::Platform saved_;
  platform::PortableRegistry registry_;
};

}  // namespace vorna::testing
