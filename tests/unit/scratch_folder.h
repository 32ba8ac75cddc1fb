// Test support: a fresh host folder per test, and a platform file system over
// it for the code that reaches files through the platform interface.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vorna::testing {

/// A temporary folder, removed with everything in it at destruction.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::filesystem::path& path() const { return path_; }
  /// Writes bytes to the file name inside the folder; answers its path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const;

 private:
  std::filesystem::path path_;
};

/// Installs a platform whose file system opens host paths relative to a
/// folder and reports programPath as the program's own file; the previous
/// platform comes back at destruction.
class ScopedFileSystem {
 public:
  ScopedFileSystem(const std::filesystem::path& folder, const std::string& programPath);
  ~ScopedFileSystem();

 private:
  std::unique_ptr<platform::FileSystem> files_;
  platform::Platform previous_;
};

}  // namespace vorna::testing
