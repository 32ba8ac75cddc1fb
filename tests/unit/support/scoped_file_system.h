// Test support: a platform file system over a host folder, for the code that
// reaches files through the platform interface.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "temp_folder.h"

namespace vorna::testing {

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
