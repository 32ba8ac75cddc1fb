// The check of the file set's codec at start-up: a setup whose files were
// packed with a codec this runtime cannot read is refused before any script
// runs, rather than half-way through an install.
#pragma once

#include "platform/platform.h"

namespace vorna {

/// What the user is told about a setup the runtime cannot read.
constexpr const char* kUnreadableSetupText =
    "The setup file is damaged or incomplete. Please download it again.";

/// True, after the message above and with the run reported as failed, when
/// the program's own file names a file-set codec this runtime does not know.
bool RefuseUnknownCodec(const platform::Platform& machine);

}  // namespace vorna
