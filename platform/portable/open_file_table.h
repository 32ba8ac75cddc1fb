// The files this process holds open, with their access and share modes.
//
// POSIX has no share modes, so the portable file system keeps them itself: an
// open is refused when it conflicts with an open of the same file (same device
// and inode) made earlier in this process, exactly as Windows refuses it with a
// sharing violation. Opens by other processes are not seen.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/files.h"

namespace vorna::platform {

/// A file's identity on the host: device and inode.
struct FileKey {
  dev_t device = 0;
  ino_t inode = 0;
  friend bool operator<(const FileKey& a, const FileKey& b) {
    return std::pair(a.device, a.inode) < std::pair(b.device, b.inode);
  }
};

class OpenFileTable {
 public:
  /// Serialises the check-then-open sequence of Open against other threads.
  std::mutex& mutex() { return mutex_; }

  /// True when an open with access and share is compatible with every open of key
  /// (the caller holds mutex()).
  bool Allows(const FileKey& key, Access access, Share share) const;
  /// True when key is open at all (the caller holds mutex()); a file that is
  /// open can be neither deleted nor moved, since no open shares deletion.
  bool IsOpen(const FileKey& key) const;
  /// Records an open (the caller holds mutex()); answers its ticket for Remove.
  uint64_t Add(const FileKey& key, Access access, Share share);
  /// Forgets the open with this ticket (takes the mutex itself).
  void Remove(const FileKey& key, uint64_t ticket);

 private:
  struct Entry {
    uint64_t ticket;
    Access access;
    Share share;
  };
  std::mutex mutex_;
  std::map<FileKey, std::vector<Entry>> open_;
  uint64_t nextTicket_ = 1;
};

}  // namespace vorna::platform
