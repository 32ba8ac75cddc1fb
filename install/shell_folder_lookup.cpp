#include "install/shell_folder_lookup.h"

#include <cctype>
#include <cstring>

#include "install/registry_key.h"

namespace vorna {

namespace {

/// A folder name and the registry values that hold its path in the two lists.
struct FolderEntry {
  const char* name;
  const char* allUsersValue;  // nullptr: the all-users list has no such folder
  const char* currentUserValue;
};

// "RECIENT" and its value "Recient" keep the spelling scripts already use, so
// the name reads only a value spelled the same way. "HISTORY" reads the
// History value of its own.
constexpr FolderEntry kFolders[] = {
    {"DESKTOP", "Common Desktop", "Desktop"},
    {"PROGRAMS", "Common Programs", "Programs"},
    {"START MENU", "Common Start Menu", "Start Menu"},
    {"STARTUP", "Common Startup", "Startup"},
    {"APPDATA", nullptr, "AppData"},
    {"CACHE", nullptr, "Cache"},
    {"COOKIES", nullptr, "Cookies"},
    {"FAVORITES", nullptr, "Favorites"},
    {"FONTS", nullptr, "Fonts"},
    {"HISTORY", nullptr, "History"},
    {"NETHOOD", nullptr, "NetHood"},
    {"PERSONAL", nullptr, "Personal"},
    {"PRINTHOOD", nullptr, "PrintHood"},
    {"RECIENT", nullptr, "Recient"},
    {"SENDTO", nullptr, "SendTo"},
    {"TEMPLATES", nullptr, "Templates"},
};

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

const FolderEntry* FindFolder(const std::string& upperName) {
  for (const FolderEntry& entry : kFolders) {
    if (upperName == entry.name) return &entry;
  }
  return nullptr;
}

/// The value's text, or the empty text when it cannot be read.
std::string ReadPath(RegistryKey& key, const char* valueName) {
  return key.QueryText(valueName, kFolderPathCapacity).value_or(std::string());
}

}  // namespace

std::vector<std::string> SpecialFolderNames() {
  std::vector<std::string> names;
  for (const FolderEntry& entry : kFolders) names.emplace_back(entry.name);
  return names;
}

std::string SpecialFolderPath(platform::Registry& registry, const std::string& name,
                              FolderOwner owner) {
  const FolderEntry* entry = FindFolder(UpperCase(name));
  std::string result;
  RegistryKey key(registry);
  if (owner == FolderOwner::AllUsers) {
    key.Open(kAllUsersShellFolders, KeyCreation::CreateMissing);
    if (entry && entry->allUsersValue) result = ReadPath(key, entry->allUsersValue);
    if (!result.empty()) return result;
  }
  key.Open(kCurrentUserShellFolders, KeyCreation::CreateMissing);
  if (entry) result = ReadPath(key, entry->currentUserValue);
  return result;
}

}  // namespace vorna
