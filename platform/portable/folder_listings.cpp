#include "platform/portable/folder_listings.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cstring>

#include "platform/code_page.h"

namespace vorna::platform {

namespace {

// Entries coming and going, and the folder itself going away (IN_IGNORED
// follows by itself) or changing its rights. A folder that moves keeps its
// identity and its entries, so its listing stays good.
constexpr uint32_t kNoticeMask =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_ONLYDIR;

// Listings are dropped all at once beyond this many folders; a copy works in
// a few folders at a time, and a later lookup simply reads the folder again.
constexpr size_t kMaxFolders = 1024;

// The upper-case Windows-1252 form of a host name; nullopt for a name the
// code page cannot hold, which scripts never see.
std::optional<std::string> KeyOfHostName(const std::string& hostName) {
  std::optional<std::string> ansi = IsAscii(hostName) ? hostName : Utf8ToAnsi(hostName);
  if (!ansi) return std::nullopt;
  for (char& c : *ansi) c = AnsiUpper(c);
  return ansi;
}

std::string KeyOfAnsiName(std::string name) {
  for (char& c : name) c = AnsiUpper(c);
  return name;
}

bool IsDotEntry(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

}  // namespace

FolderListings::FolderListings() = default;

FolderListings::~FolderListings() {
  if (notices_ >= 0) close(notices_);
}

std::optional<std::string> FolderListings::Find(const std::string& folder,
                                                const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  Listing scratch;
  const Listing* listing = ListingOf(folder, &scratch);
  if (!listing) return std::nullopt;
  auto names = listing->names.find(KeyOfAnsiName(name));
  if (names == listing->names.end()) return std::nullopt;
  return *names->second.begin();
}

std::vector<std::string> FolderListings::FindStartingWith(const std::string& folder,
                                                          const std::string& prefix) {
  std::lock_guard<std::mutex> lock(mutex_);
  Listing scratch;
  const Listing* listing = ListingOf(folder, &scratch);
  std::vector<std::string> found;
  if (!listing) return found;
  std::string key = KeyOfAnsiName(prefix);
  // The keys are in byte order, so those that start with key follow each other.
  for (auto names = listing->names.lower_bound(key);
       names != listing->names.end() && names->first.compare(0, key.size(), key) == 0; ++names) {
    found.insert(found.end(), names->second.begin(), names->second.end());
  }
  return found;
}

const FolderListings::Listing* FolderListings::ListingOf(const std::string& folder,
                                                         Listing* scratch) {
  struct stat info;
  if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return nullptr;
  FolderId id{info.st_dev, info.st_ino};
  // After the stat: a folder that went away before it, and whose identity
  // the one found may have taken over, has had its listing dropped here.
  ApplyNotices();
  auto kept = listings_.find(id);
  if (kept != listings_.end()) return &kept->second;
  return Read(folder, id, scratch);
}

const FolderListings::Listing* FolderListings::Read(const std::string& folder, const FolderId& id,
                                                    Listing* scratch) {
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  // The notices start with the first folder read: a sandbox that never
  // looks a name up holds none of the few the kernel grants each user.
  if (notices_ == kNotStarted) notices_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  int watch = -1;
  struct stat info;
  // Kept only when the folder opened is the one identified and its changes
  // will be noticed; the watch comes first, so that no change made while the
  // folder is read goes unnoticed.
  if (notices_ >= 0 && fstat(fd, &info) == 0 && info.st_dev == id.device &&
      info.st_ino == id.inode && Watchable(fd)) {
    if (listings_.size() >= kMaxFolders) ForgetAll();
    std::string self = "/proc/self/fd/" + std::to_string(fd);
    watch = inotify_add_watch(notices_, self.c_str(), kNoticeMask);
  }
  DIR* dir = fdopendir(fd);
  if (!dir) {
    close(fd);
    if (watch >= 0) inotify_rm_watch(notices_, watch);
    return nullptr;
  }
  ++reads_;
  scratch->watch = watch;
  while (dirent* entry = readdir(dir)) {
    if (IsDotEntry(entry->d_name)) continue;
    std::optional<std::string> key = KeyOfHostName(entry->d_name);
    if (key) scratch->names[*key].insert(entry->d_name);
  }
  closedir(dir);
  if (watch < 0) return scratch;
  watched_[watch] = id;
  return &(listings_[id] = std::move(*scratch));
}

// File systems whose every change this kernel notices: local ones. Changes
// made by another machine to a network folder, or behind a user-space file
// system, would never be noticed.
bool FolderListings::Watchable(int folderFd) const {
  struct statfs info;
  if (fstatfs(folderFd, &info) != 0) return false;
  switch (static_cast<unsigned long>(info.f_type)) {
    case EXT4_SUPER_MAGIC:  // also ext2 and ext3
    case TMPFS_MAGIC:
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case OVERLAYFS_SUPER_MAGIC:
      return true;
    default:
      return false;
  }
}

void FolderListings::ApplyNotices() {
  if (notices_ < 0) return;
  alignas(inotify_event) char buffer[16 * 1024];
  for (;;) {
    ssize_t size = read(notices_, buffer, sizeof buffer);
    if (size <= 0) return;  // EAGAIN: nothing more is queued
    bool overflowed = false;
    for (ssize_t at = 0; at < size;) {
      const auto* notice = reinterpret_cast<const inotify_event*>(buffer + at);
      if (notice->mask & IN_Q_OVERFLOW) overflowed = true;
      Apply(notice->wd, notice->mask, notice->len > 0 ? notice->name : nullptr);
      at += static_cast<ssize_t>(sizeof(inotify_event) + notice->len);
    }
    // Notices were lost: no listing can be trusted any more.
    if (overflowed) ForgetAll();
  }
}

void FolderListings::Apply(int watch, uint32_t mask, const char* name) {
  auto watched = watched_.find(watch);
  if (watched == watched_.end()) return;
  auto listing = listings_.find(watched->second);
  bool aboutTheFolder = name == nullptr;
  if ((mask & IN_IGNORED) || (aboutTheFolder && (mask & IN_ATTRIB))) {
    // The folder went away, or its rights changed (a read might now fail).
    if (!(mask & IN_IGNORED)) inotify_rm_watch(notices_, watch);
    if (listing != listings_.end()) listings_.erase(listing);
    watched_.erase(watched);
    return;
  }
  if (aboutTheFolder || listing == listings_.end()) return;
  std::optional<std::string> key = KeyOfHostName(name);
  if (!key) return;
  auto& names = listing->second.names;
  if (mask & (IN_CREATE | IN_MOVED_TO)) {
    names[*key].insert(name);
  } else if (mask & (IN_DELETE | IN_MOVED_FROM)) {
    auto entry = names.find(*key);
    if (entry == names.end()) return;
    entry->second.erase(name);
    if (entry->second.empty()) names.erase(entry);
  }
}

void FolderListings::ForgetAll() {
  for (auto& [id, listing] : listings_) inotify_rm_watch(notices_, listing.watch);
  listings_.clear();
  watched_.clear();
  // The removals queue their own notices; with nothing watched they change nothing.
  ApplyNotices();
}

}  // namespace vorna::platform
