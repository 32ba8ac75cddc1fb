// The platform a host or tool installed for its own code: the start-up
// messages, the packer's image reads, the tests' fixtures. The language engine
// never reads it; it works with the platform its host handed it.
#pragma once

#include "platform/platform.h"

namespace vorna::platform {

/// The platform the host installed; valid for the whole run.
Platform& Current();
/// Installs the host's platform (called once, before any work that reads it).
void SetPlatform(const Platform& platform);

}  // namespace vorna::platform
