// The runtime's uninstall (-U RECORD): the record is checked, the user is
// asked, what the record lists is removed and the user is told how it went.
// No script runs.
#pragma once

#include "host/startup/command_line.h"
#include "platform/platform.h"

namespace vorna {

/// The exit codes of an uninstall, those of the system's own installers.
constexpr int kUninstallDone = 0;
constexpr int kUninstallDeclined = 1602;
constexpr int kUninstallFailed = 1603;

/// Runs the uninstall the command line asks for; answers its exit code. With
/// -W it is the copy that finishes an uninstall: it asks and shows nothing.
int RunUninstall(const platform::Platform& machine, const CommandLine& line);

}  // namespace vorna
