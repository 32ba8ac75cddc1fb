#include "uninstall/record_area.h"

#include <cstring>
#include <initializer_list>

namespace vorna {

namespace {

using platform::RootKey;

/// Read access to a key (KEY_READ).
constexpr uint32_t kKeyRead = 0x20019;
/// The longest shell folder path read, its terminating zero included.
constexpr uint32_t kFolderCapacity = 260;
/// A record's first entry stands on this line (after the header and the folder).
constexpr size_t kFirstEntryLine = 3;

constexpr const char* kShellFoldersKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kAllUsersFolders[] = {"Common Desktop", "Common Start Menu",
                                            "Common Programs", "Common Startup"};
constexpr const char* kUserFolders[] = {"Desktop", "Start Menu", "Programs", "Startup"};

/// The first-level keys of the classes that every program shares.
constexpr const char* kSharedClasses[] = {"CLSID",
                                          "Interface",
                                          "TypeLib",
                                          "AppID",
                                          "*",
                                          "Directory",
                                          "Drive",
                                          "Folder",
                                          "AllFilesystemObjects",
                                          "MIME",
                                          "Applications",
                                          "SystemFileAssociations"};

bool IsOneOf(const std::string& name, std::initializer_list<const char*> names) {
  for (const char* candidate : names) {
    if (SameName(name, candidate)) return true;
  }
  return false;
}

/// The path a shell folder value names, when it can be read as a full path.
std::optional<RecordPath> ReadFolderValue(platform::Registry& registry, platform::KeyHandle key,
                                          const char* name) {
  char buffer[kFolderCapacity] = {};
  uint32_t size = kFolderCapacity - 1;
  platform::RegType type = platform::RegType::None;
  if (registry.QueryValue(key, name, &type, buffer, &size) != platform::kRegSuccess) {
    return std::nullopt;
  }
  return TidyPath(std::string(buffer, strnlen(buffer, size)));
}

void ReadShellFolders(platform::Registry& registry, RootKey root, const char* const* names,
                      size_t count, std::vector<RecordPath>* folders) {
  platform::KeyHandle key = 0;
  if (registry.OpenKey(platform::RootHandle(root), kShellFoldersKey, kKeyRead, &key) !=
      platform::kRegSuccess) {
    return;
  }
  for (size_t i = 0; i < count; ++i) {
    std::optional<RecordPath> folder = ReadFolderValue(registry, key, names[i]);
    if (folder && !folder->parts.empty()) folders->push_back(*folder);
  }
  registry.CloseKey(key);
}

/// The classes below segments[from]: their root and the shared first-level keys.
bool IsSharedClass(const std::vector<std::string>& segments, size_t from) {
  if (segments.size() <= from) return true;
  if (segments.size() > from + 1) return false;
  for (const char* shared : kSharedClasses) {
    if (SameName(segments[from], shared)) return true;
  }
  return false;
}

/// True below ...\Microsoft\Windows\CurrentVersion\Uninstall or \App Paths,
/// where every product has a key of its own.
bool IsProductListing(const std::vector<std::string>& segments, size_t from) {
  return segments.size() > from + 3 && SameName(segments[from], "Windows") &&
         SameName(segments[from + 1], "CurrentVersion") &&
         IsOneOf(segments[from + 2], {"Uninstall", "App Paths"});
}

/// The keys below a SOFTWARE key, from the vendor's name at segments[from] on.
bool IsMachineVendorKey(const std::vector<std::string>& segments, size_t from) {
  if (segments.size() <= from) return true;
  const std::string& vendor = segments[from];
  if (SameName(vendor, "Classes")) return IsSharedClass(segments, from + 1);
  if (SameName(vendor, "Wow6432Node")) return IsMachineVendorKey(segments, from + 1);
  if (SameName(vendor, "Policies")) return true;
  if (SameName(vendor, "Microsoft")) return !IsProductListing(segments, from + 1);
  return false;
}

/// A user's or the machine's keys: only keys below SOFTWARE can be a product's.
bool IsMachineSoftware(const std::vector<std::string>& segments, size_t from) {
  if (segments.size() <= from || !SameName(segments[from], "SOFTWARE")) return true;
  return IsMachineVendorKey(segments, from + 1);
}

bool InFileArea(const std::string& name, const RecordArea& area) {
  std::optional<RecordPath> path = ParseRecordPath(name);
  return path && IsBelow(*path, area.installFolder);
}

bool InShortcutArea(const std::string& name, const RecordArea& area) {
  std::optional<RecordPath> path = ParseRecordPath(name);
  if (!path) return false;
  if (IsBelow(*path, area.installFolder)) return true;
  for (const RecordPath& folder : area.shortcutFolders) {
    if (IsBelow(*path, folder)) return true;
  }
  return false;
}

// A folder above the install folder that the install created on the way
// (C:\Program Files in an empty machine) may go when empty, but never a
// drive root or a folder that holds Windows.
bool InFolderArea(const std::string& name, const RecordArea& area) {
  std::optional<RecordPath> path = ParseRecordPath(name);
  if (!path) return false;
  if (IsAtOrBelow(*path, area.installFolder) || InShortcutArea(name, area)) return true;
  return IsBelow(area.installFolder, *path) && !path->parts.empty() &&
         !IsAtOrBelow(area.windowsFolder, *path);
}

bool InValueArea(const std::string& name, const std::vector<RecordKey>& productKeys) {
  std::optional<RecordKey> key = ParseRecordKey(name);
  if (!key) return false;
  for (const RecordKey& product : productKeys) {
    if (IsAtOrBelow(*key, product)) return true;
  }
  return false;
}

}  // namespace

std::vector<RecordPath> ShortcutFolders(platform::Registry& registry) {
  std::vector<RecordPath> folders;
  ReadShellFolders(registry, RootKey::LocalMachine, kAllUsersFolders, 4, &folders);
  ReadShellFolders(registry, RootKey::CurrentUser, kUserFolders, 4, &folders);
  return folders;
}

RecordPath WindowsFolder(platform::System& system) {
  for (const char* name : {"SystemRoot", "windir"}) {
    std::optional<std::string> value = system.Environment(name);
    std::optional<RecordPath> folder = value ? TidyPath(*value) : std::nullopt;
    if (folder && !folder->parts.empty()) return *folder;
  }
  return *ParseRecordPath("C:\\Windows");
}

RecordArea MachineArea(const platform::Platform& machine, const RecordPath& installFolder) {
  RecordArea area;
  area.installFolder = installFolder;
  area.shortcutFolders = ShortcutFolders(*machine.registry);
  area.windowsFolder = WindowsFolder(*machine.system);
  return area;
}

std::string RefusedInstallFolder(const RecordArea& area) {
  const RecordPath& folder = area.installFolder;
  if (folder.parts.empty()) return "a drive's root folder";
  if (IsAtOrBelow(folder, area.windowsFolder)) return "the Windows folder or a folder inside it";
  if (IsBelow(area.windowsFolder, folder)) return "a folder that holds the Windows folder";
  return std::string();
}

bool IsMachineKey(const RecordKey& key) {
  const std::vector<std::string>& segments = key.segments;
  switch (key.root) {
    case RootKey::ClassesRoot:
      return IsSharedClass(segments, 0);
    case RootKey::LocalMachine:
    case RootKey::CurrentUser:
      return IsMachineSoftware(segments, 0);
    case RootKey::Users:
      return segments.size() < 2 || IsMachineSoftware(segments, 1);
    case RootKey::CurrentConfig:
      return true;
  }
  return true;
}

bool InArea(const RecordEntry& entry, const RecordArea& area,
            const std::vector<RecordKey>& productKeys) {
  switch (entry.kind) {
    case EntryKind::Product:
      return true;
    case EntryKind::Folder:
      return InFolderArea(entry.name, area);
    case EntryKind::File:
    case EntryKind::Library:
      return InFileArea(entry.name, area);
    case EntryKind::Shortcut:
      return InShortcutArea(entry.name, area);
    case EntryKind::Key:
      return ParseRecordKey(entry.name).has_value();
    case EntryKind::Value:
      return InValueArea(entry.name, productKeys);
  }
  return false;
}

std::vector<RecordKey> ProductKeys(const InstallRecord& record) {
  std::vector<RecordKey> keys;
  for (const RecordEntry& entry : record.entries) {
    if (entry.kind != EntryKind::Key) continue;
    std::optional<RecordKey> key = ParseRecordKey(entry.name);
    if (key && !IsMachineKey(*key)) keys.push_back(*key);
  }
  return keys;
}

std::optional<RecordProblem> CheckArea(const InstallRecord& record, const RecordArea& area) {
  std::optional<RecordPath> folder = ParseRecordPath(record.installFolder);
  if (!folder || !IsAtOrBelow(*folder, area.installFolder) ||
      folder->parts.size() != area.installFolder.parts.size()) {
    return RecordProblem{
        2, "the record belongs to " + record.installFolder + ", not to the folder it is in"};
  }
  std::vector<RecordKey> productKeys = ProductKeys(record);
  for (size_t i = 0; i < record.entries.size(); ++i) {
    const RecordEntry& entry = record.entries[i];
    if (InArea(entry, area, productKeys)) continue;
    std::string name =
        entry.kind == EntryKind::Value ? entry.name + "\\" + entry.valueName : entry.name;
    return RecordProblem{kFirstEntryLine + i, name + " lies outside what the install may remove"};
  }
  return std::nullopt;
}

}  // namespace vorna
