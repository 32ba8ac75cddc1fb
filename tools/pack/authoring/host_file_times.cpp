#include "tools/pack/authoring/host_file_times.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace vorna::authoring {

#ifdef _WIN32

namespace {
platform::FileTime FromFiletime(const FILETIME& time) {
  return {(static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime};
}
}  // namespace

bool ReadHostFileTimes(const std::string& hostPath, platform::FileTimes* times) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(hostPath.c_str(), GetFileExInfoStandard, &data)) return false;
  times->creation = FromFiletime(data.ftCreationTime);
  times->lastAccess = FromFiletime(data.ftLastAccessTime);
  times->lastWrite = FromFiletime(data.ftLastWriteTime);
  return true;
}

#else

namespace {
constexpr int64_t kUnixEpochTicks = 116444736000000000LL;

platform::FileTime FromPosix(int64_t seconds, int64_t nanoseconds) {
  int64_t ticks = seconds * 10000000 + nanoseconds / 100 + kUnixEpochTicks;
  return {ticks < 0 ? 0 : static_cast<uint64_t>(ticks)};
}
}  // namespace

bool ReadHostFileTimes(const std::string& hostPath, platform::FileTimes* times) {
  struct statx info;
  if (statx(AT_FDCWD, hostPath.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &info) != 0) {
    return false;
  }
  times->lastAccess = FromPosix(info.stx_atime.tv_sec, info.stx_atime.tv_nsec);
  times->lastWrite = FromPosix(info.stx_mtime.tv_sec, info.stx_mtime.tv_nsec);
  times->creation = (info.stx_mask & STATX_BTIME)
                        ? FromPosix(info.stx_btime.tv_sec, info.stx_btime.tv_nsec)
                        : times->lastWrite;
  return true;
}

#endif

}  // namespace vorna::authoring
