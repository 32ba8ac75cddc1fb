// The runtime the client debugs: started with -D and a fresh channel, and
// waited for at the end.
//
// vorna-run gets the channel as two inherited descriptors (--debug-fds R,W);
// a Windows runtime (a name ending in .exe) gets it as its standard input
// and output, and runs under Wine when the client runs on Linux.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/debug_channel.h"

namespace vorna::debug {

struct RuntimeLaunch {
  /// vorna-run, or a Windows runtime (vorna.exe or a packed setup).
  std::string runtime;
  /// Options for vorna-run itself (--image, --root, --answers, ...).
  std::vector<std::string> hostArguments;
  /// The start-up control entry to name after -D; empty for the default.
  std::string startup;
};

/// True when the runtime is a Windows program (its name ends in .exe).
bool IsWindowsRuntime(const std::string& runtime);

/// The runtime's own command line: "-D", then the start-up entry if any.
std::string DebugCommandLine(const RuntimeLaunch& launch);

class RuntimeProcess {
 public:
  virtual ~RuntimeProcess() = default;
  /// The client's end of the channel.
  virtual platform::DebugChannel& channel() = 0;
  /// Closes the client's ends and waits for the runtime to end; a runtime
  /// still waiting for a reply then ends with "Lost debugger connection.".
  /// Answers its exit code (127 for a program that could not be started).
  virtual int Wait() = 0;
};

/// Starts the runtime; throws std::runtime_error when it cannot be started.
std::unique_ptr<RuntimeProcess> StartRuntime(const RuntimeLaunch& launch);

}  // namespace vorna::debug
