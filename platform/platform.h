// The one door from the core to the machine.
//
// A host builds one Platform at start-up (Windows or the portable sandbox) and
// installs it with SetPlatform; the core reaches every machine service through
// Current(). Nothing in the core includes a system header.
#pragma once

#include "platform/debug_channel.h"
#include "platform/files.h"
#include "platform/interaction.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace vorna::platform {

struct Platform {
  FileSystem* files = nullptr;
  System* system = nullptr;
  Console* console = nullptr;
  Interaction* interaction = nullptr;
  Registry* registry = nullptr;
  Shell* shell = nullptr;
  /// The debugger connection; nullptr when the host has none.
  DebugChannel* debugChannel = nullptr;
};

/// The platform the host installed; valid for the whole run.
Platform& Current();
/// Installs the host's platform (called once, before any script work).
void SetPlatform(const Platform& platform);

}  // namespace vorna::platform
