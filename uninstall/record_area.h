// What a record may name: the area of one install.
//
// A record is read from disk, so nothing it names is trusted. An uninstall
// touches only what lies in the area of the folder the record was found in:
// files and libraries below that folder; shortcuts below it or below the
// shell folders that hold shortcuts (desktop, Start menu, Programs, Startup);
// the folders the install created there, and those above the install folder
// that it created on the way (removed only when empty); registry keys the
// install created (removed only when empty), and values only inside those
// keys that belong to the product rather than to Windows or to every program.
// A record that names anything else is refused whole.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "uninstall/install_record.h"
#include "uninstall/record_path.h"

namespace vorna {

/// The folders an install's record is judged against.
struct RecordArea {
  RecordPath installFolder;
  /// The shell folders where shortcuts (and the folders that group them) live.
  std::vector<RecordPath> shortcutFolders;
  RecordPath windowsFolder;
};

/// The shell folders that hold shortcuts, for all users and for the current
/// user, as the registry lists them; read without creating any key. A folder
/// that is not a full path, or a drive root, is left out.
std::vector<RecordPath> ShortcutFolders(platform::Registry& registry);

/// The Windows folder: SystemRoot, else windir, else C:\Windows.
RecordPath WindowsFolder(platform::System& system);

/// The area of an install folder on this machine.
RecordArea MachineArea(const platform::Platform& machine, const RecordPath& installFolder);

/// Why no record may belong to the install folder (a drive root, the Windows
/// folder, a folder inside it or above it); empty when one may.
std::string RefusedInstallFolder(const RecordArea& area);

/// True for a key that belongs to Windows or is shared by every program
/// (HKEY_LOCAL_MACHINE\SOFTWARE, ...\Microsoft, ...\CurrentVersion\Uninstall,
/// HKEY_CLASSES_ROOT\CLSID, ...), which no product's values may live in.
bool IsMachineKey(const RecordKey& key);

/// True when the entry lies in the area. productKeys are the keys the record
/// says the install created that are not machine keys: the only keys whose
/// values it may name.
bool InArea(const RecordEntry& entry, const RecordArea& area,
            const std::vector<RecordKey>& productKeys);

/// The created keys of the record that may hold the product's values.
std::vector<RecordKey> ProductKeys(const InstallRecord& record);

/// Checks the record against the area: its install folder must be the area's
/// and every entry must lie in it. The first problem found, with its line.
std::optional<RecordProblem> CheckArea(const InstallRecord& record, const RecordArea& area);

}  // namespace vorna
