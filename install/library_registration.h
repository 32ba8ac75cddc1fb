// Library self-registration as the install object's REGSVR32 asks for it.
#pragma once

#include <string>

#include "platform/shell.h"

namespace vorna {

/// The action a REGSVR32 mode text asks for: a first letter R or r registers,
/// anything else (the empty text included) unregisters.
platform::LibraryAction LibraryActionFromMode(const std::string& mode);

/// Loads the library and runs its (un)registration entry point; false when it
/// cannot be loaded, lacks the entry point or reports failure. Never raises.
bool RegisterLibrary(platform::Shell& shell, const std::string& path,
                     platform::LibraryAction action);

}  // namespace vorna
