// Shell services: shortcuts and library self-registration.
#pragma once

#include <cstdint>
#include <string>

namespace vorna::platform {

/// A COM result code: 0 or positive for success, negative for failure.
using HResult = int32_t;
constexpr HResult kHrOk = 0;
constexpr HResult kHrFail = static_cast<HResult>(0x80004005);          // E_FAIL
constexpr HResult kHrInvalidArg = static_cast<HResult>(0x80070057);    // E_INVALIDARG
constexpr HResult kHrAccessDenied = static_cast<HResult>(0x80030005);  // STG_E_ACCESSDENIED

/// Which of a library's two self-registration entry points to call.
enum class LibraryAction { Register, Unregister };

class Shell {
 public:
  virtual ~Shell() = default;
  /// Writes a shortcut file at linkPath that points at target; answers the COM result.
  virtual HResult CreateShortcut(const std::string& target, const std::string& linkPath,
                                 const std::string& description) = 0;
  /// Loads the library and calls its DllRegisterServer or DllUnregisterServer;
  /// true when the library ran it and reported success.
  virtual bool RegisterLibrary(const std::string& path, LibraryAction action) = 0;
};

}  // namespace vorna::platform
