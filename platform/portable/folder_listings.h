// Case-insensitive name lookups in host folders, without reading the whole
// folder for every lookup.
//
// A Windows file system finds "README.TXT" when the folder holds "readme.txt";
// a Linux one does not, so the sandbox reads the folder to find the name. A
// copy into one folder looks up every new name at least twice, so reading the
// folder each time makes a copy of N files into one folder cost N² entries
// read. Instead each folder read is kept, keyed by the folder's identity
// (device and inode), and kept current by the kernel's change notices
// (inotify): every change to a folder, ours or another program's, is queued
// before the call that made it returns, and every queued notice is applied
// before a lookup is answered. So a lookup sees every change that was done
// when it began, as a fresh read would.
//
// Folders on file systems whose changes may not all be noticed here (network
// and user-space file systems) are read afresh every time, as are all folders
// when the kernel offers no notices.
#pragma once

#include <sys/types.h>

#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vorna::platform {

class FolderListings {
 public:
  FolderListings();
  ~FolderListings();
  FolderListings(const FolderListings&) = delete;
  FolderListings& operator=(const FolderListings&) = delete;

  /// The entry of the host folder whose Windows-1252 name equals name but for
  /// letter case; the first in byte order when several do, so that the choice
  /// never depends on the folder's order. Host names that Windows-1252 cannot
  /// hold never match. nullopt when nothing matches or the folder cannot be read.
  std::optional<std::string> Find(const std::string& folder, const std::string& name);

  /// The entries of the host folder whose Windows-1252 names start with
  /// prefix but for letter case, in no particular order.
  std::vector<std::string> FindStartingWith(const std::string& folder, const std::string& prefix);

  /// How many folder reads the lookups needed so far (for tests).
  uint64_t reads() const { return reads_; }

 private:
  struct FolderId {
    dev_t device;
    ino_t inode;
    bool operator<(const FolderId& other) const {
      return device != other.device ? device < other.device : inode < other.inode;
    }
  };
  /// A folder's entries: host names by their upper-case Windows-1252 name.
  struct Listing {
    int watch = -1;
    std::map<std::string, std::set<std::string>> names;
  };

  /// The folder's listing: the kept one, or one read now (into scratch when
  /// it cannot be kept); nullptr when the folder cannot be read.
  const Listing* ListingOf(const std::string& folder, Listing* scratch);
  const Listing* Read(const std::string& folder, const FolderId& id, Listing* scratch);
  bool Watchable(int folderFd) const;
  void ApplyNotices();
  void Apply(int watch, uint32_t mask, const char* name);
  void ForgetAll();

  std::mutex mutex_;
  static constexpr int kNotStarted = -2;
  int notices_ = kNotStarted;  // the inotify descriptor; -1 when the kernel offers none
  std::map<FolderId, Listing> listings_;
  std::map<int, FolderId> watched_;  // watch descriptor -> folder
  uint64_t reads_ = 0;
};

}  // namespace vorna::platform
