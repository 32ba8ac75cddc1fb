// Test support: the sandbox's file system with a test's folder as drive C:,
// for the code that reaches files through the platform interface.
#pragma once

#include <filesystem>
#include <string>

#include "platform/installed_platform.h"
#include "platform/platform.h"
#include "platform/portable/portable_files.h"
#include "temp_folder.h"

namespace vorna::testing {

/// Installs a platform whose files are the sandbox's, with folder as drive C:
/// (so "NAME" and "C:\NAME" open folder/NAME) and programPath as the
/// program's own file; the previous platform comes back at destruction.
class ScopedFileSystem {
 public:
  ScopedFileSystem(const std::filesystem::path& folder, const std::string& programPath)
      : files_(root_.path(), programPath), previous_(platform::Current()) {
    files_.sandbox().Mount('C', folder.string());
    platform::Platform platform = previous_;
    platform.files = &files_;
    platform::SetPlatform(platform);
  }
  ~ScopedFileSystem() { platform::SetPlatform(previous_); }

 private:
  TempFolder root_;
  platform::PortableFileSystem files_;
  platform::Platform previous_;
};

}  // namespace vorna::testing
