#include "platform/portable/portable_file.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>

namespace vorna::platform {

namespace {

// Ticks between 1601-01-01 and 1970-01-01.
constexpr int64_t kUnixEpochTicks = 116444736000000000LL;
constexpr int64_t kTicksPerSecond = 10000000;
constexpr const char* kCreationAttribute = "user.vorna.creation";

bool ReadCreationAttribute(int fd, FileTime* time) {
  unsigned char bytes[8];
  if (fgetxattr(fd, kCreationAttribute, bytes, sizeof bytes) != sizeof bytes) return false;
  uint64_t ticks = 0;
  for (int i = 7; i >= 0; --i) ticks = (ticks << 8) | bytes[i];
  time->ticks = ticks;
  return true;
}

bool WriteCreationAttribute(int fd, FileTime time) {
  unsigned char bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(time.ticks >> (8 * i));
  return fsetxattr(fd, kCreationAttribute, bytes, sizeof bytes, 0) == 0;
}

bool BirthTime(int fd, FileTime* time) {
  struct statx info;
  if (statx(fd, "", AT_EMPTY_PATH, STATX_BTIME, &info) != 0) return false;
  if (!(info.stx_mask & STATX_BTIME)) return false;
  struct timespec birth = {static_cast<time_t>(info.stx_btime.tv_sec),
                           static_cast<long>(info.stx_btime.tv_nsec)};
  *time = FromTimespec(birth);
  return true;
}

struct timespec OmitOr(FileTime time) {
  if (time.ticks == 0) return timespec{0, UTIME_OMIT};
  return ToTimespec(time);
}

}  // namespace

FileTime FromTimespec(const struct timespec& time) {
  int64_t ticks =
      static_cast<int64_t>(time.tv_sec) * kTicksPerSecond + time.tv_nsec / 100 + kUnixEpochTicks;
  return FileTime{ticks < 0 ? 0 : static_cast<uint64_t>(ticks)};
}

struct timespec ToTimespec(FileTime time) {
  const uint64_t kLargest = static_cast<uint64_t>(INT64_MAX);
  int64_t sinceUnix =
      static_cast<int64_t>(time.ticks > kLargest ? kLargest : time.ticks) - kUnixEpochTicks;
  int64_t seconds = sinceUnix / kTicksPerSecond;
  int64_t rest = sinceUnix % kTicksPerSecond;
  if (rest < 0) {  // floor division, so nanoseconds stay in 0..999999999
    rest += kTicksPerSecond;
    seconds -= 1;
  }
  return timespec{static_cast<time_t>(seconds), static_cast<long>(rest * 100)};
}

PortableFile::PortableFile(int fd, Access access, FileKey key, uint64_t ticket,
                           std::shared_ptr<OpenFileTable> table, FaultInjector* faults)
    : fd_(fd),
      access_(access),
      key_(key),
      ticket_(ticket),
      table_(std::move(table)),
      faults_(faults) {}

PortableFile::~PortableFile() {
  close(fd_);
  table_->Remove(key_, ticket_);
}

bool PortableFile::Read(void* buffer, size_t size, size_t* got) {
  *got = 0;
  if (Fails(FaultKind::Read)) return false;
  auto* bytes = static_cast<char*>(buffer);
  while (*got < size) {
    ssize_t n = read(fd_, bytes + *got, size - *got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    *got += static_cast<size_t>(n);
  }
  return true;
}

bool PortableFile::Write(const void* buffer, size_t size) {
  if (Fails(FaultKind::Write)) return false;
  const auto* bytes = static_cast<const char*>(buffer);
  size_t done = 0;
  while (done < size) {
    ssize_t n = write(fd_, bytes + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool PortableFile::Seek(int64_t offset, SeekOrigin origin, uint64_t* position) {
  if (Fails(FaultKind::Seek)) return false;
  int whence = origin == SeekOrigin::Begin ? SEEK_SET
               : origin == SeekOrigin::End ? SEEK_END
                                           : SEEK_CUR;
  off_t result = lseek(fd_, static_cast<off_t>(offset), whence);
  if (result < 0) return false;
  if (position) *position = static_cast<uint64_t>(result);
  return true;
}

bool PortableFile::Size(uint64_t* size) {
  struct stat info;
  if (fstat(fd_, &info) != 0) return false;
  *size = static_cast<uint64_t>(info.st_size);
  return true;
}

bool PortableFile::Flush() {
  if (Fails(FaultKind::Flush)) return false;
  return fsync(fd_) == 0;
}

bool PortableFile::GetTimes(FileTimes* times) {
  if (Fails(FaultKind::GetTimes)) return false;
  struct stat info;
  if (fstat(fd_, &info) != 0) return false;
  times->lastAccess = FromTimespec(info.st_atim);
  times->lastWrite = FromTimespec(info.st_mtim);
  if (!ReadCreationAttribute(fd_, &times->creation) && !BirthTime(fd_, &times->creation)) {
    times->creation = times->lastWrite;
  }
  return true;
}

bool PortableFile::SetTimes(const FileTimes& times) {
  if (Fails(FaultKind::SetTimes)) return false;
  if (!(static_cast<unsigned>(access_) & static_cast<unsigned>(Access::Write))) {
    errno = EACCES;
    return false;
  }
  struct timespec both[2] = {OmitOr(times.lastAccess), OmitOr(times.lastWrite)};
  if (futimens(fd_, both) != 0) return false;
  if (times.creation.ticks != 0 && !WriteCreationAttribute(fd_, times.creation)) {
    // A host file system without user attributes keeps no creation time;
    // the two times that matter for keeping newer files are set all the same.
    return errno == ENOTSUP;
  }
  return true;
}

}  // namespace vorna::platform
