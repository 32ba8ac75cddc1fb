// The shell folder lists of a fresh sandbox: the registry values that a
// Windows machine holds for the desktop, the Start menu and the user's other
// shell folders, with the folders themselves, so that install scripts find
// the same places in the sandbox as on Windows.
#pragma once

#include "platform/portable/portable_registry.h"
#include "platform/portable/sandbox.h"

namespace vorna::platform {

/// Adds each shell folder value that the registry lacks and creates its
/// folder in the sandbox; values already present are left as they are. False
/// when a value or a folder could not be written.
bool SeedShellFolders(PortableRegistry& registry, const Sandbox& sandbox);

}  // namespace vorna::platform
