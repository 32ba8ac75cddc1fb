// The Windows implementation of the platform, installed for the whole run.
#pragma once

namespace vorna {

/// Builds the Windows platform and installs it as the current platform.
void InstallWin32Platform();

}  // namespace vorna
