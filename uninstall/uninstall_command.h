// The command lines that start an uninstall: the one an install writes into
// the registry for the user, and the one a running uninstaller starts its
// copy with. The runtime's command line parser reads both.
#pragma once

#include <cstdint>
#include <string>

namespace vorna {

/// The switch letter of an uninstall: -U RECORD.
constexpr char kUninstallSwitch = 'U';
/// The option that makes an uninstall a copy finishing after another
/// process: -W PROCESS-ID.
constexpr char kWaitOption = 'W';

/// "PROGRAM" -U "RECORD": how the user's uninstall starts.
std::string UninstallCommandLine(const std::string& program, const std::string& recordFile);

/// "COPY" -U "RECORD" -W ID: a copy that finishes the removal once the
/// process ID has ended.
std::string FinishingCommandLine(const std::string& copy, const std::string& recordFile,
                                 uint32_t waitFor);

}  // namespace vorna
