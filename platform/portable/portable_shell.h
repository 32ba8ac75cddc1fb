// Shell services in the sandbox: shortcuts become real .lnk files at the
// sandbox path their Windows path maps to; libraries cannot be loaded, so
// registering one reports failure.
//
// Every shortcut written and every registration refused is told on the
// diagnostics stream (standard error), so a run's transcript shows them.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "platform/shell.h"

namespace vorna::platform {

class PortableShell : public Shell {
 public:
  /// Maps a Windows path to its host path in the sandbox; nullopt when no drive can hold it.
  using PathMapper = std::function<std::optional<std::string>(const std::string&)>;

  /// diagnostics receives one line per shortcut and per refused registration.
  PortableShell(PathMapper toHost, std::ostream& diagnostics);

  HResult CreateShortcut(const std::string& target, const std::string& linkPath,
                         const std::string& description) override;
  bool RegisterLibrary(const std::string& path, LibraryAction action) override;

 private:
  PathMapper toHost_;
  std::ostream& diagnostics_;
};

/// A Windows path with "/" turned into "\" and "." and ".." folded away
/// lexically; the text unchanged apart from the separators when it is not an
/// absolute drive path such as "C:\dir".
std::string NormalizeWindowsPath(const std::string& path);

/// The target as seen from the link's folder (".\app.exe", "..\App\app.exe"),
/// for two absolute paths on one drive; else the target unchanged when it is
/// relative, and the empty text when it is on another drive.
std::string RelativeLinkTarget(const std::string& linkPath, const std::string& target);

}  // namespace vorna::platform
