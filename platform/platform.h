// The one door from the core to the machine.
//
// A host builds one Platform at start-up (Windows or the portable sandbox) and
// hands it to the interpreter, which hands it on to whatever needs the
// machine; the install data readers are given the file system they read.
// Nothing in the core includes a system header, and nothing in the core asks
// for a platform it was not given.
#pragma once

#include "platform/debug_channel.h"
#include "platform/files.h"
#include "platform/install_events.h"
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
  /// The run's event source (install_events.h); nullptr when nobody listens.
  InstallEvents* events = nullptr;
};

}  // namespace vorna::platform
