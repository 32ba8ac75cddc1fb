// The single steps of a removal, one per kind of change. Each looks at what
// is there now, removes it only when it is still what the install made, and
// finds nothing to do when it runs a second time.
#pragma once

#include <string>

#include "platform/platform.h"
#include "uninstall/install_record.h"
#include "uninstall/record_path.h"
#include "uninstall/removal.h"

namespace vorna {

/// What one step did, and why when it did not remove.
struct StepVerdict {
  RemovalResult result = RemovalResult::Removed;
  std::string reason;
};

/// A file as its record entries describe it: how the install first wrote
/// it, and its size and last write time after the latest write.
struct InstalledFile {
  FileOrigin firstOrigin = FileOrigin::New;
  uint64_t size = 0;
  platform::FileTime lastWrite;
};

/// Deletes a file the install wrote new that is still as it was written.
StepVerdict RemoveInstalledFile(platform::FileSystem& files, const RecordPath& path,
                                const InstalledFile& installed);
/// Removes a folder the install created, when it is empty.
StepVerdict RemoveCreatedFolder(platform::FileSystem& files, const RecordPath& path);
/// Deletes a shortcut file, when it is still a shell link.
StepVerdict RemoveShortcut(platform::FileSystem& files, const RecordPath& path);
/// Asks a library to unregister itself, when it is still there.
StepVerdict UnregisterLibrary(platform::FileSystem& files, platform::Shell& shell,
                              const RecordPath& path);
/// Deletes a registry value.
StepVerdict RemoveValue(platform::Registry& registry, const RecordKey& key,
                        const std::string& valueName);
/// Deletes a registry key the install created, when it holds nothing.
StepVerdict RemoveCreatedKey(platform::Registry& registry, const RecordKey& key);

}  // namespace vorna
