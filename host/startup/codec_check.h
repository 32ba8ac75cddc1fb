// The check of the file set's codec at start-up: a setup whose files were
// packed with a codec this runtime cannot read is refused before any script
// runs, rather than half-way through an install.
#pragma once

#include "platform/platform.h"

namespace vorna {

/// True, after the damaged-setup message and with the run reported as
/// failed, when the program's own file names a file-set codec this runtime
/// does not know.
bool RefuseUnknownCodec(const platform::Platform& machine);

}  // namespace vorna
