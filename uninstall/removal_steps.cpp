#include "uninstall/removal_steps.h"

#include <cstring>
#include <memory>
#include <optional>

namespace vorna {

namespace {

using platform::PathKind;
using platform::RegStatus;

/// Read access to a key (KEY_READ).
constexpr uint32_t kKeyRead = 0x20019;

/// The first bytes of every shell link file: the header size 0x4C and the
/// shell link class {00021401-0000-0000-C000-000000000046}.
constexpr unsigned char kShellLinkStart[] = {0x4C, 0x00, 0x00, 0x00, 0x01, 0x14, 0x02,
                                             0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00,
                                             0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

StepVerdict Verdict(RemovalResult result, std::string reason = std::string()) {
  return StepVerdict{result, std::move(reason)};
}

/// True when no folder on the way to path is a link or junction, by the rule
/// the copy writes by, so that removing path reaches nothing elsewhere.
bool ReachedWithoutLinks(platform::FileSystem& files, const RecordPath& path) {
  RecordPath parent = path.Parent();
  if (parent.parts.empty()) return true;
  RecordPath root{path.drive, {}};
  return files.IsLinkFree(root.Text(), parent.Text().substr(root.Text().size()));
}

/// The verdict on what stands at path when a step must not remove it;
/// nullopt when it is of the kind wanted and reached without links.
std::optional<StepVerdict> Examine(platform::FileSystem& files, const RecordPath& path,
                                   const platform::PathFacts& facts, PathKind wanted) {
  if (facts.kind != PathKind::Missing && !ReachedWithoutLinks(files, path)) {
    return Verdict(RemovalResult::Kept, "it is reached through a link");
  }
  switch (facts.kind) {
    case PathKind::Missing:
      return Verdict(RemovalResult::AlreadyGone);
    case PathKind::Unknown:
      return Verdict(RemovalResult::Failed, "it cannot be examined");
    case PathKind::Link:
      return Verdict(RemovalResult::Kept, "a link stands in its place");
    default:
      break;
  }
  if (facts.kind != wanted) {
    return Verdict(RemovalResult::Kept, wanted == PathKind::File ? "a folder stands in its place"
                                                                 : "a file stands in its place");
  }
  return std::nullopt;
}

StepVerdict Delete(platform::FileSystem& files, const RecordPath& path) {
  if (files.Delete(path.Text())) return Verdict(RemovalResult::Removed);
  return Verdict(RemovalResult::Failed, "it cannot be deleted (is it in use?)");
}

bool IsShellLink(platform::FileSystem& files, const std::string& path) {
  std::unique_ptr<platform::File> file = files.Open(
      path, platform::Access::Read, platform::Share::Read, platform::Creation::OpenExisting);
  unsigned char start[sizeof kShellLinkStart];
  size_t got = 0;
  return file && file->Read(start, sizeof start, &got) && got == sizeof start &&
         std::memcmp(start, kShellLinkStart, sizeof start) == 0;
}

/// The verdict of a registry call that should have found its key or value.
StepVerdict RegistryVerdict(RegStatus status, const char* failure) {
  if (status == platform::kRegSuccess) return Verdict(RemovalResult::Removed);
  if (status == platform::kRegFileNotFound) return Verdict(RemovalResult::AlreadyGone);
  return Verdict(RemovalResult::Failed, failure);
}

/// An open key that closes itself.
class OpenedKey {
 public:
  OpenedKey(platform::Registry& registry, platform::RootKey root, const std::string& subkey,
            uint32_t access)
      : registry_(registry) {
    status_ = subkey.empty() ? platform::kRegSuccess
                             : registry.OpenKey(platform::RootHandle(root), subkey, access, &key_);
    if (subkey.empty()) key_ = platform::RootHandle(root);
  }
  ~OpenedKey() {
    if (status_ == platform::kRegSuccess) registry_.CloseKey(key_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  RegStatus status() const { return status_; }
  platform::KeyHandle handle() const { return key_; }

 private:
  platform::Registry& registry_;
  platform::KeyHandle key_ = 0;
  RegStatus status_;
};

}  // namespace

StepVerdict RemoveInstalledFile(platform::FileSystem& files, const RecordPath& path,
                                const InstalledFile& installed) {
  platform::PathFacts facts = files.Inspect(path.Text());
  if (std::optional<StepVerdict> verdict = Examine(files, path, facts, PathKind::File)) {
    return *verdict;
  }
  if (installed.firstOrigin == FileOrigin::Replaced) {
    return Verdict(RemovalResult::Kept, "it replaced a file that was there before the install");
  }
  if (facts.size != installed.size || !(facts.lastWrite == installed.lastWrite)) {
    return Verdict(RemovalResult::Kept, "it changed after the install");
  }
  return Delete(files, path);
}

StepVerdict RemoveCreatedFolder(platform::FileSystem& files, const RecordPath& path) {
  std::optional<StepVerdict> verdict =
      Examine(files, path, files.Inspect(path.Text()), PathKind::Folder);
  if (verdict) return *verdict;
  if (files.RemoveFolder(path.Text())) return Verdict(RemovalResult::Removed);
  if (files.Inspect(path.Text()).kind == PathKind::Missing) {
    return Verdict(RemovalResult::AlreadyGone);
  }
  return Verdict(RemovalResult::Kept, "it is not empty");
}

StepVerdict RemoveShortcut(platform::FileSystem& files, const RecordPath& path) {
  std::optional<StepVerdict> verdict =
      Examine(files, path, files.Inspect(path.Text()), PathKind::File);
  if (verdict) return *verdict;
  if (!IsShellLink(files, path.Text())) {
    return Verdict(RemovalResult::Kept, "it is no longer a shortcut");
  }
  return Delete(files, path);
}

StepVerdict UnregisterLibrary(platform::FileSystem& files, platform::Shell& shell,
                              const RecordPath& path) {
  std::optional<StepVerdict> verdict =
      Examine(files, path, files.Inspect(path.Text()), PathKind::File);
  if (verdict) return *verdict;
  if (shell.RegisterLibrary(path.Text(), platform::LibraryAction::Unregister)) {
    return Verdict(RemovalResult::Removed);
  }
  return Verdict(RemovalResult::Kept, "it did not unregister itself");
}

StepVerdict RemoveValue(platform::Registry& registry, const RecordKey& key,
                        const std::string& valueName) {
  OpenedKey opened(registry, key.root, key.Subkey(), platform::kKeyReadWrite);
  if (opened.status() != platform::kRegSuccess) {
    return RegistryVerdict(opened.status(), "its key cannot be opened");
  }
  return RegistryVerdict(registry.DeleteValue(opened.handle(), valueName), "it cannot be deleted");
}

StepVerdict RemoveCreatedKey(platform::Registry& registry, const RecordKey& key) {
  {
    OpenedKey opened(registry, key.root, key.Subkey(), kKeyRead);
    if (opened.status() != platform::kRegSuccess) {
      return RegistryVerdict(opened.status(), "it cannot be opened");
    }
    uint32_t subkeys = 0;
    uint32_t values = 0;
    RegStatus counted = registry.CountEntries(opened.handle(), &subkeys, &values);
    if (counted != platform::kRegSuccess)
      return Verdict(RemovalResult::Failed, "it cannot be read");
    if (subkeys != 0 || values != 0) {
      return Verdict(RemovalResult::Kept, "it holds keys or values the install did not write");
    }
  }
  RecordKey parent = key;
  parent.segments.pop_back();
  OpenedKey opened(registry, parent.root, parent.Subkey(), platform::kKeyReadWrite);
  if (opened.status() != platform::kRegSuccess) {
    return RegistryVerdict(opened.status(), "the key above it cannot be opened");
  }
  return RegistryVerdict(registry.DeleteKey(opened.handle(), key.segments.back()),
                         "it cannot be deleted");
}

}  // namespace vorna
