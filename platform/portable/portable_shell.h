// Shell services in the sandbox: shortcuts become real .lnk files at the
// sandbox path their Windows path maps to, written through the sandbox's file
// system and so under its rules (no link followed, the install disk
// read-only, Windows' path limits); libraries cannot be loaded, so
// registering one reports failure.
//
// Every shortcut written and every registration refused is told on the
// diagnostics stream (standard error), so a run's transcript shows them.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/portable/portable_files.h"
#include "platform/shell.h"

namespace vorna::platform {

class PortableShell : public Shell {
 public:
  /// Links are written through files into the sandbox's drives; diagnostics
  /// receives one line per shortcut and per refused registration.
  PortableShell(PortableFileSystem& files, std::ostream& diagnostics);

  HResult CreateShortcut(const std::string& target, const std::string& linkPath,
                         const std::string& description) override;
  bool RegisterLibrary(const std::string& path, LibraryAction action) override;

 private:
  /// Writes the link file's bytes and tells what was written.
  HResult WriteLink(const std::vector<uint8_t>& bytes, const WindowsPath& linkFile,
                    const std::string& targetPath, const std::string& description);

  PortableFileSystem& files_;
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
