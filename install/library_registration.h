// Library self-registration as the install object's REGSVR32 asks for it.
#pragma once

#include <string>

#include "platform/platform.h"

namespace vorna {

/// The action a REGSVR32 mode text asks for: a first letter R or r registers,
/// anything else (the empty text included) unregisters.
platform::LibraryAction LibraryActionFromMode(const std::string& mode);

/// Loads the library and runs its (un)registration entry point through the
/// machine's shell and reports what was asked and how it went; false when it
/// cannot be loaded, lacks the entry point or reports failure. Never raises.
bool RegisterLibrary(const platform::Platform& machine, const std::string& path,
                     platform::LibraryAction action);

}  // namespace vorna
