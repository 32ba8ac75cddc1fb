// The shell's special folders (desktop, Start menu, Programs, ...), found in
// the registry lists of shell folders for all users or for the current user.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

namespace vorna {

/// Whose folder a lookup wants first.
enum class FolderOwner {
  AllUsers,     // the all-users folder when the system lists one, else the user's own
  CurrentUser,  // only the current user's folder
};

/// Registry keys that list the shell folders' paths.
constexpr const char* kAllUsersShellFolders =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kCurrentUserShellFolders =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

/// Longest folder path read, terminating zero included.
constexpr size_t kFolderPathCapacity = 255;

/// The folder names SPECIALFOLDER knows, upper-case, in table order.
std::vector<std::string> SpecialFolderNames();

/// The path of the special folder a name (any letter case) stands for; the
/// empty text for an unknown name or a folder the lists do not hold. The list
/// keys are created when missing, as the shell itself would.
std::string SpecialFolderPath(platform::Registry& registry, const std::string& name,
                              FolderOwner owner);

}  // namespace vorna
