// The command line of vorna-debug.
//
//   vorna-debug [--batch FILE] [--source DIR] [--startup NAME] RUNTIME [HOST-OPTION...]
#pragma once

#include <optional>
#include <string>

#include "tools/debug/runtime_process.h"

namespace vorna::debug {

struct ClientOptions {
  /// Commands from this file instead of the terminal; empty: the terminal.
  std::string batch;
  /// The folder of the plain module files that list shows; empty: the current folder.
  std::string source;
  /// The runtime to start and how.
  RuntimeLaunch launch;
  /// The install data file whose container list reads first: a Windows
  /// runtime itself, or vorna-run's --image; empty for none.
  std::string image;
  bool help = false;
  /// Only print the version.
  bool version = false;
};

extern const char* const kClientUsage;

/// Reads the arguments (argv[0] excluded); on a bad one answers nullopt with *error.
std::optional<ClientOptions> ParseClientOptions(int argc, const char* const* argv,
                                                std::string* error);

}  // namespace vorna::debug
