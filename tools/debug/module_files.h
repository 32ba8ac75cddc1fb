// Where the client finds the modules it lists: the install data container
// of the packed runtime when there is one, else the plain module files of a
// folder (names matched regardless of case, as the runtime does).
#pragma once

#include <memory>
#include <string>

#include "tools/debug/source_library.h"

namespace vorna::debug {

/// A loader over the container of image (empty: none) and then the plain
/// files of folder. It installs a platform for the container reader and
/// keeps it for as long as the loader lives.
ModuleLoader MakeModuleLoader(const std::string& image, const std::string& folder);

/// The text of the file in folder whose name matches module regardless of
/// case (the exact name first); nullopt when there is none.
std::optional<std::string> ReadPlainModule(const std::string& folder, const std::string& module);

}  // namespace vorna::debug
