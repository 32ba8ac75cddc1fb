#include "platform/portable/shell_folders_seed.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace vorna::platform {

namespace {

struct SeedValue {
  const char* name;
  const char* path;
};

constexpr const char* kAllUsersKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kCurrentUserKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

constexpr SeedValue kAllUsersFolders[] = {
    {"Common Desktop", "C:\\Users\\Public\\Desktop"},
    {"Common Programs", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"},
    {"Common Start Menu", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu"},
    {"Common Startup", "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
};

constexpr SeedValue kCurrentUserFolders[] = {
    {"AppData", "C:\\Users\\User\\AppData\\Roaming"},
    {"Cache", "C:\\Users\\User\\AppData\\Local\\Microsoft\\Windows\\INetCache"},
    {"Cookies", "C:\\Users\\User\\AppData\\Local\\Microsoft\\Windows\\INetCookies"},
    {"Desktop", "C:\\Users\\User\\Desktop"},
    {"Favorites", "C:\\Users\\User\\Favorites"},
    {"Fonts", "C:\\Windows\\Fonts"},
    {"History", "C:\\Users\\User\\AppData\\Local\\Microsoft\\Windows\\History"},
    {"NetHood", "C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\Network Shortcuts"},
    {"Personal", "C:\\Users\\User\\Documents"},
    {"PrintHood", "C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\Printer Shortcuts"},
    {"Programs", "C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"},
    {"Recent", "C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\Recent"},
    {"SendTo", "C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\SendTo"},
    {"Start Menu", "C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu"},
    {"Startup",
     "C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
    {"Templates", "C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\Templates"},
};

/// Creates the folder a value names, inside the sandbox.
bool MakeFolder(const Sandbox& sandbox, const std::string& path) {
  std::optional<std::string> host = sandbox.ToHost(path);
  if (!host) return false;
  std::error_code error;
  std::filesystem::create_directories(*host, error);
  return !error;
}

/// True when the key holds a value of that name, whatever its kind and length.
bool HasValue(Registry& registry, KeyHandle key, const char* name) {
  uint32_t size = 0;
  return registry.QueryValue(key, name, nullptr, nullptr, &size) == kRegSuccess;
}

template <size_t N>
bool SeedList(PortableRegistry& registry, const Sandbox& sandbox, RootKey root, const char* keyPath,
              const SeedValue (&values)[N]) {
  KeyHandle key = 0;
  if (registry.CreateKey(RootHandle(root), keyPath, &key) != kRegSuccess) return false;
  bool ok = true;
  for (const SeedValue& value : values) {
    if (HasValue(registry, key, value.name)) continue;
    std::string text = value.path;
    ok = registry.SetValue(key, value.name, RegType::Sz, text.c_str(),
                           static_cast<uint32_t>(text.size() + 1)) == kRegSuccess &&
         ok;
    ok = MakeFolder(sandbox, text) && ok;
  }
  registry.CloseKey(key);
  return ok;
}

}  // namespace

bool SeedShellFolders(PortableRegistry& registry, const Sandbox& sandbox) {
  bool ok = SeedList(registry, sandbox, RootKey::LocalMachine, kAllUsersKey, kAllUsersFolders);
  return SeedList(registry, sandbox, RootKey::CurrentUser, kCurrentUserKey, kCurrentUserFolders) &&
         ok;
}

}  // namespace vorna::platform
