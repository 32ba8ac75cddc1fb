// Test support for the registry and shell tests: a private temporary folder,
// and a sandbox registry installed as the current platform's registry.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/portable_registry.h"

namespace vorna::testing {

/// A fresh folder under the system's temporary folder, removed with its content.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorna-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

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
    WriteText(registry_.filePath(), text);
    LoadRegistry();
  }
  void LoadRegistry() {
    std::string error;
    ASSERT_TRUE(registry_.Load(&error)) << error;
    platform::Platform machine = saved_;
    machine.registry = &registry_;
    platform::SetPlatform(machine);
  }
  std::string FileText() const { return ReadText(registry_.filePath()); }

  TempFolder folder_;
  platform::Platform saved_;
  platform::PortableRegistry registry_;
};

}  // namespace vorna::testing
