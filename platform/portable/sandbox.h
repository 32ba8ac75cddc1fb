// The sandbox: a host folder that stands for every drive a script can see.
//
// A Windows path "X:\dir\name" lives at ROOT/X/dir/name on the host. The
// sandbox keeps a Windows-style current folder (initially "C:\") for relative
// paths, resolves "." and ".." lexically so that no path climbs above its
// drive folder, accepts both "\" and "/" as separators, and finds existing
// files and folders case-insensitively when the exact name does not exist, as
// a Windows file system would.
//
// The sandbox is sealed: a symbolic link met anywhere below a drive folder (a
// drive folder that is itself a link included) makes the path unreachable, so
// no path a script names leads outside the root. Names are Windows-1252 on
// the Windows side and UTF-8 on the host; a host name that Windows-1252
// cannot hold is invisible to scripts.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/portable/folder_listings.h"

namespace vorna::platform {

/// A Windows path taken apart: the drive letter (upper case) and the folders
/// and name below the drive root, with "." and ".." already resolved.
struct WindowsPath {
  char drive = 'C';
  std::vector<std::string> parts;

  /// The canonical text: "C:\" for a drive root, else "C:\a\b".
  std::string Text() const;
};

class Sandbox {
 public:
  /// root is the host folder that holds the drive folders (it need not exist yet).
  explicit Sandbox(std::string root);

  /// The host root folder, without a trailing slash.
  const std::string& root() const { return root_; }

  /// Resolves a Windows path (absolute, drive-relative or relative) against the
  /// current folder; nullopt for what no drive can hold (empty, UNC, "X:" with
  /// a non-letter, an embedded NUL).
  std::optional<WindowsPath> Resolve(const std::string& path) const;

  /// Maps a Windows path to the host path, finding existing components
  /// case-insensitively; nullopt when Resolve refuses the path or a link
  /// stands on the way.
  std::optional<std::string> ToHost(const std::string& path) const;

  /// Maps a resolved path to the host path (case-insensitive lookup as above);
  /// nullopt when an existing component of it, or its drive folder, is a link.
  std::optional<std::string> ToHost(const WindowsPath& path) const;

  /// Maps a host path below a drive folder of the root back to its Windows path;
  /// nullopt for a host path outside every drive folder, or with a name
  /// Windows-1252 cannot hold.
  std::optional<std::string> ToWindows(const std::string& hostPath) const;

  /// The names (Windows-1252) in a host folder that start with prefix but
  /// for letter case; names the code page cannot hold are left out.
  std::vector<std::string> NamesStartingWith(const std::string& hostFolder,
                                             const std::string& prefix) const;

  /// The current folder as a canonical Windows path.
  std::string CurrentFolder() const;

  /// Makes path the current folder; false (nothing changed) unless it names an existing folder.
  bool SetCurrentFolder(const std::string& path);

  /// Makes drive (a letter) stand for hostFolder instead of ROOT/<letter>
  /// (tools use it to extract into any host folder).
  void Mount(char drive, const std::string& hostFolder);

 private:
  /// The host folder of a drive letter (upper case); nullopt when it is a
  /// link (a mounted folder is taken as given).
  std::optional<std::string> DriveFolder(char drive) const;

  std::string root_;
  std::map<char, std::string> mounts_;
  mutable std::mutex mutex_;
  WindowsPath current_;
  mutable FolderListings listings_;  // for names found whatever their case
};

/// True for "\" and "/", the two folder separators Windows accepts.
inline bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

}  // namespace vorna::platform
