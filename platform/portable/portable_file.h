// An open file of the portable file system, and the null sink.
//
// File times: last access and last write are the POSIX atime and mtime at
// full nanosecond precision, so 100-nanosecond ticks round-trip exactly.
// POSIX cannot set a creation time, so the creation time a program sets is
// kept in the extended attribute "user.vorna.creation" (8 bytes, little-endian
// ticks), which follows the file through renames and goes with it on delete.
// A file without the attribute reports its birth time where the host file
// system records one, else its last write time. A time of 0 ticks given to
// SetTimes leaves that time unchanged, as on Windows.
#pragma once

#include <sys/stat.h>

#include <memory>

#include "platform/files.h"
#include "platform/portable/fault_injector.h"
#include "platform/portable/open_file_table.h"

namespace vorna::platform {

/// Ticks since 1601 for a POSIX time (seconds and nanoseconds since 1970).
FileTime FromTimespec(const struct timespec& time);
/// The POSIX time of a tick count (times before 1970 become negative seconds).
struct timespec ToTimespec(FileTime time);

class PortableFile : public File {
 public:
  /// Takes ownership of fd; the open is listed in table under ticket until closed.
  PortableFile(int fd, Access access, FileKey key, uint64_t ticket,
               std::shared_ptr<OpenFileTable> table, FaultInjector* faults);
  ~PortableFile() override;
  PortableFile(const PortableFile&) = delete;
  PortableFile& operator=(const PortableFile&) = delete;

  bool Read(void* buffer, size_t size, size_t* got) override;
  bool Write(const void* buffer, size_t size) override;
  bool Seek(int64_t offset, SeekOrigin origin, uint64_t* position) override;
  bool Size(uint64_t* size) override;
  bool Flush() override;
  bool GetTimes(FileTimes* times) override;
  /// Needs write access, as setting times does on Windows.
  bool SetTimes(const FileTimes& times) override;

 private:
  bool Fails(FaultKind kind) { return faults_ && faults_->ShouldFail(kind); }

  int fd_;
  Access access_;
  FileKey key_;
  uint64_t ticket_;
  std::shared_ptr<OpenFileTable> table_;
  FaultInjector* faults_;
};

/// Accepts and discards every write; reads find nothing; times are all 0.
class NullFile : public File {
 public:
  bool Read(void*, size_t, size_t* got) override {
    *got = 0;
    return true;
  }
  bool Write(const void*, size_t) override { return true; }
  bool Seek(int64_t, SeekOrigin, uint64_t* position) override {
    if (position) *position = 0;
    return true;
  }
  bool Size(uint64_t* size) override {
    *size = 0;
    return true;
  }
  bool Flush() override { return true; }
  bool GetTimes(FileTimes* times) override {
    *times = FileTimes{};
    return true;
  }
  bool SetTimes(const FileTimes&) override { return true; }
};

}  // namespace vorna::platform
