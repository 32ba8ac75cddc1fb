// The start-up control entry: the list of script modules to load, one name
// per line, in load order. Lines that begin with "~" are comments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "values/node_list.h"

namespace vorna {

/// Longest line read from the start-up control entry.
constexpr size_t kControlLineLimit = 80;

/// One module name of the start-up control entry, with its line (from 0).
struct ControlLine {
  std::string name;
  int32_t lineNumber = 0;
};

/// The module names the control entry fileName lists, in order (empty lines
/// and "~" lines left out), read through files; nullopt when the entry
/// cannot be opened.
std::optional<std::vector<ControlLine>> ReadStartupControl(platform::FileSystem& files,
                                                           const std::string& fileName);

/// Loads every module the control entry fileName names into modules, reading
/// through machine's file system. Answers false, with the run reported as
/// failed, when the program file is a damaged setup (after the start-up
/// message that says so; nothing is read, not even a plain file), when the
/// entry is missing (after the "File Not Found" box) or a module could not
/// be loaded (after the start-up message naming it); the run must then end.
bool LoadStartupControl(const platform::Platform& machine, const std::string& fileName,
                        NodeList& modules);

/// The start-up message for a module that failed to load.
std::string ModuleLoadFailureText(const std::string& moduleName, const std::string& reason);

}  // namespace vorna
