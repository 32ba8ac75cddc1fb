// Files, folders and drives as the core sees them.
//
// The flags mirror the Windows file API on purpose: script statements promise
// Windows semantics (share modes, "open always" without truncation, file
// times in 100-nanosecond ticks since 1601), and the portable implementation
// reproduces them on POSIX.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace vorna::platform {

enum class Access : unsigned { None = 0, Read = 1, Write = 2, ReadWrite = 3 };
enum class Share : unsigned { None = 0, Read = 1, Write = 2, ReadWrite = 3 };

/// How an open treats an existing or a missing file.
enum class Creation {
  OpenExisting,  // fail when missing
  OpenAlways,    // create when missing, never truncate
  CreateAlways,  // create or truncate
  CreateNew,     // fail when it exists
};

enum class SeekOrigin { Begin, Current, End };

/// A point in time as Windows keeps it: 100-nanosecond ticks since 1601-01-01 UTC.
struct FileTime {
  uint64_t ticks = 0;
  friend bool operator==(FileTime a, FileTime b) { return a.ticks == b.ticks; }
  friend bool operator<(FileTime a, FileTime b) { return a.ticks < b.ticks; }
};

struct FileTimes {
  FileTime creation;
  FileTime lastAccess;
  FileTime lastWrite;
};

/// One open file. Every operation answers false on an operating-system failure.
class File {
 public:
  virtual ~File() = default;
  /// Reads up to size bytes; *got is the count read (0 at the end).
  virtual bool Read(void* buffer, size_t size, size_t* got) = 0;
  /// Writes size bytes; a short write answers false.
  virtual bool Write(const void* buffer, size_t size) = 0;
  /// Moves the file pointer; *position (if given) receives the new absolute position.
  virtual bool Seek(int64_t offset, SeekOrigin origin, uint64_t* position = nullptr) = 0;
  virtual bool Size(uint64_t* size) = 0;
  virtual bool Flush() = 0;
  virtual bool GetTimes(FileTimes* times) = 0;
  virtual bool SetTimes(const FileTimes& times) = 0;
};

enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  /// Opens a file by its Windows-style path; nullptr on failure.
  virtual std::unique_ptr<File> Open(const std::string& path, Access access, Share share,
                                     Creation creation) = 0;
  /// A sink that accepts and discards every write (the "NUL" device).
  virtual std::unique_ptr<File> OpenNullSink() = 0;
  virtual bool Delete(const std::string& path) = 0;
  /// Renames a file; fails when to exists.
  virtual bool Move(const std::string& from, const std::string& to) = 0;
  /// Puts the file from in the place of to in one step, replacing a file
  /// there (a link at to is replaced, never followed); fails when to is a
  /// folder or in use.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  /// Creates a new file exclusively in folder, named prefix followed by
  /// characters no other program can predict, for writing; *path receives
  /// its full path. Nothing that exists is ever opened or followed: nullptr
  /// when no such file could be created.
  virtual std::unique_ptr<File> CreateTemporary(const std::string& folder,
                                                const std::string& prefix, std::string* path) = 0;
  /// Deletes the files directly in folder whose names begin with prefix
  /// (letter case ignored); folders are left alone. Answers the count deleted.
  virtual int DeleteStartingWith(const std::string& folder, const std::string& prefix) = 0;
  /// True when no existing component of relative, taken below folder, is a
  /// symbolic link, junction or other reparse point, so that writing there
  /// reaches nothing outside folder. The folder itself is not examined.
  virtual bool IsLinkFree(const std::string& folder, const std::string& relative) = 0;
  /// True when something (file, folder or link) exists at path.
  virtual bool Exists(const std::string& path) = 0;
  virtual bool CreateFolder(const std::string& path) = 0;
  virtual bool RemoveFolder(const std::string& path) = 0;
  virtual bool SetCurrentFolder(const std::string& path) = 0;
  /// True when the path names an existing folder.
  virtual bool IsFolder(const std::string& path) = 0;
  /// Full path of the running program file (the install data file).
  virtual std::string ProgramPath() = 0;
  /// root is a drive root such as "C:\\".
  virtual DriveType GetDriveType(const std::string& root) = 0;
  virtual bool VolumeLabel(const std::string& root, std::string* label) = 0;
  virtual bool FreeSpace(const std::string& root, uint64_t* bytes) = 0;
};

}  // namespace vorna::platform
