// The file system of the portable platform: Windows file semantics inside a
// sandbox folder (see sandbox.h for the path mapping).
//
// What is honoured:
// - Creation rules as on Windows: OpenExisting fails on a missing file,
//   OpenAlways creates but never truncates, CreateAlways truncates,
//   CreateNew fails on an existing file. Folders cannot be opened as files.
// - Share modes between opens of this process (see open_file_table.h); an
//   open file can be neither deleted nor moved.
// - Move fails when the destination exists; Replace replaces a file that
//   nobody holds open; CreateFolder fails when the folder exists;
//   RemoveFolder removes empty folders only, never a drive.
// - The sandbox is sealed (see sandbox.h): no path crosses a link, and no
//   open follows one. Drive A, the install disk, is read-only: nothing there
//   is written, created, deleted or renamed.
// - Windows' path limits: no operation takes a full path of more than 259
//   characters, and no folder is created at one of more than 247.
// - The device name "NUL" (in any folder, with any extension) opens the null sink.
// - Drives: each single-letter folder under the root is a fixed drive. A
//   drive folder may hold ".label" (the volume label, else the letter),
//   ".drive-type" ("removable", "cdrom", "remote", "ramdisk" or "fixed") and
//   ".free-space" (a byte count that replaces the host's free space), so that
//   tests can stage any drive a script may meet.
// - Fault injection: faults() makes the Nth open, read, write, ... fail.
#pragma once

#include <memory>
#include <string>

#include "platform/files.h"
#include "platform/portable/fault_injector.h"
#include "platform/portable/open_file_table.h"
#include "platform/portable/sandbox.h"

namespace vorna::platform {

class PortableFileSystem : public FileSystem {
 public:
  /// The longest full path a Windows program can name (MAX_PATH less its zero).
  static constexpr size_t kMaxPath = 259;

  /// root: the host folder that holds the drive folders; it and its "C" folder
  /// are created when missing. programPath: the install data file, either a
  /// Windows path inside the sandbox ("C:\SETUP.EXE") or a host path. A host
  /// path below a drive folder is reported by its Windows path; a host path
  /// outside the sandbox is shown to scripts as "A:\<its name>" (the install
  /// disk), and that one Windows path opens the host file.
  PortableFileSystem(const std::string& root, const std::string& programPath);

  std::unique_ptr<File> Open(const std::string& path, Access access, Share share,
                             Creation creation) override;
  std::unique_ptr<File> OpenNullSink() override;
  bool Delete(const std::string& path) override;
  bool Move(const std::string& from, const std::string& to) override;
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
  std::string ProgramPath() override;
  DriveType GetDriveType(const std::string& root) override;
  bool VolumeLabel(const std::string& root, std::string* label) override;
  bool FreeSpace(const std::string& root, uint64_t* bytes) override;

  /// The sandbox that maps the paths (its current folder is the process's).
  Sandbox& sandbox() { return sandbox_; }
  /// The fault injector consulted by every operation of this file system.
  FaultInjector& faults() { return faults_; }

 private:
  /// Whether an operation only reads what a path names or changes it.
  enum class Purpose { Read, Change };
  /// The host path of a Windows path, when the sandbox lets purpose reach it:
  /// within limit characters, not a change on the install disk, no link on the way.
  std::optional<std::string> Reach(const std::string& path, Purpose purpose,
                                   size_t limit = kMaxPath) const;
  /// Opens a host path with open(2) flags, honouring the share modes.
  std::unique_ptr<File> OpenHost(const std::string& host, Access access, Share share, int flags);
  std::optional<std::string> DriveFolder(const std::string& root) const;
  bool IsOpen(const std::string& hostPath);

  Sandbox sandbox_;
  std::string programPath_;      // as scripts see it
  std::string programHostPath_;  // set when the program lies outside the sandbox
  std::shared_ptr<OpenFileTable> table_;
  FaultInjector faults_;
};

}  // namespace vorna::platform
