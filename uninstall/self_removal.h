// How an uninstaller removes its own file.
//
// A running program's file cannot be deleted on Windows. The uninstaller
// therefore removes everything else itself (so that its exit code and its
// closing message tell how the uninstall went), then copies itself into the
// temporary folder and starts the copy, which waits until the uninstaller
// has ended, deletes its file and the folders that held it, and finally
// asks Windows to delete the copy at the next restart (MoveFileExA with
// MOVEFILE_DELAY_UNTIL_REBOOT). Where that is not allowed (it needs an
// administrator), the next uninstall deletes the copies earlier ones left.
#pragma once

#include <string>

#include "platform/platform.h"

namespace vorna {

/// The name every copy in the temporary folder begins with.
constexpr const char* kCopyPrefix = "VORNA-UNINSTALL-";

/// Copies the running program into the temporary folder and starts the copy,
/// which finishes removing what recordFile still lists once this process
/// has ended; false when no copy could be made or started.
bool HandOverToCopy(const platform::Platform& machine, const std::string& recordFile);

/// What a finishing copy does last: its own file is deleted when the system
/// lets it, else when the machine next starts.
void RemoveOwnCopy(const platform::Platform& machine);

}  // namespace vorna
