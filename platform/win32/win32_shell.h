// Shell services on Windows: shortcuts through the shell's link object (COM
// must be initialised on the calling thread) and library self-registration.
#pragma once

#include "platform/shell.h"

namespace vorna::platform {

class Win32Shell : public Shell {
 public:
  HResult CreateShortcut(const std::string& target, const std::string& linkPath,
                         const std::string& description) override;
  bool RegisterLibrary(const std::string& path, LibraryAction action) override;
};

}  // namespace vorna::platform
