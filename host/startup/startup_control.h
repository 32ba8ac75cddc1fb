// The start-up control entry: the list of script modules to load, one name
// per line, in load order. Lines that begin with "~" are comments.
#pragma once

#include <string>

#include "platform/platform.h"
#include "values/node_list.h"

namespace vorna {

/// Longest line read from the start-up control entry.
constexpr size_t kControlLineLimit = 80;

/// Loads every module the control entry fileName names into modules, reading
/// through machine's file system.
/// A missing entry shows the "File Not Found" box and ends the process with
/// exit code 0. Answers false when a module could not be loaded; the start-up
/// message has then named it and the run must end.
bool LoadStartupControl(platform::Platform& machine, const std::string& fileName,
                        NodeList& modules);

/// The start-up message for a module that failed to load.
std::string ModuleLoadFailureText(const std::string& moduleName, const std::string& reason);

}  // namespace vorna
