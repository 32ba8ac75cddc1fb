// Shell services: shortcuts and library self-registration.
#pragma once

#include <string>

namespace vorna::platform {

class Shell {
 public:
  virtual ~Shell() = default;
  /// Writes a shortcut file at linkPath that points at target.
  virtual bool CreateShortcut(const std::string& target, const std::string& linkPath,
                              const std::string& description) = 0;
  /// Calls the library's DllRegisterServer (or DllUnregisterServer); true on success.
  virtual bool RegisterLibrary(const std::string& path, bool unregister) = 0;
};

}  // namespace vorna::platform
