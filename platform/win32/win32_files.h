// The file system of the Windows platform: a thin layer over the ANSI file API.
//
// Paths go to the system unchanged; the system applies its own share modes,
// creation rules and current folder. A time of 0 ticks given to SetTimes
// leaves that time unchanged (SetFileTime is passed no pointer for it).
// Temporary files are created with CREATE_NEW under a name drawn from the
// system's random source, so a file or link planted in advance is never
// opened; links, junctions and other reparse points are told apart by their
// attribute.
#pragma once

#include <memory>
#include <string>

#include "platform/files.h"

namespace vorna::platform {

class Win32FileSystem : public FileSystem {
 public:
  std::unique_ptr<File> Open(const std::string& path, Access access, Share share,
                             Creation creation) override;
  /// Opens the "NUL" device for writing.
  std::unique_ptr<File> OpenNullSink() override;
  bool Delete(const std::string& path) override;
  bool Move(const std::string& from, const std::string& to) override;
  /// MoveFileExA with MOVEFILE_REPLACE_EXISTING.
  bool Replace(const std::string& from, const std::string& to) override;
  std::unique_ptr<File> CreateTemporary(const std::string& folder, const std::string& prefix,
                                        std::string* path) override;
  int DeleteStartingWith(const std::string& folder, const std::string& prefix) override;
  bool IsLinkFree(const std::string& folder, const std::string& relative) override;
  bool Exists(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  bool SetCurrentFolder(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  /// The running module's file name (GetModuleFileNameA).
  std::string ProgramPath() override;
  DriveType GetDriveType(const std::string& root) override;
  bool VolumeLabel(const std::string& root, std::string* label) override;
  bool FreeSpace(const std::string& root, uint64_t* bytes) override;
};

}  // namespace vorna::platform
