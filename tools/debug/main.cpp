// vorna-debug: starts a runtime under -D and steps its script from the
// terminal or from a file of commands.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/debug/client_options.h"
#include "tools/debug/command_shell.h"
#include "tools/debug/debug_session.h"
#include "tools/debug/module_files.h"
#include "tools/debug/runtime_process.h"
#include "vorna_version.h"

namespace {

constexpr int kMisuse = 2;
constexpr int kRuntimeFailed = 1;
constexpr const char* kPrompt = "(vdb) ";

/// Runs commands until quit, the end of the input or the end of the program.
/// In a batch each command is echoed after the prompt, so that the
/// transcript reads like a terminal session.
void RunCommands(std::istream& in, bool echo, vorna::debug::CommandShell& shell,
                 const vorna::debug::DebugSession& session) {
  std::string line;
  while (session.running()) {
    std::cout << kPrompt << std::flush;
    if (!std::getline(in, line)) {
      std::cout << "\n";
      return;
    }
    if (echo) std::cout << line << "\n";
    if (!shell.Execute(line)) return;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  std::optional<vorna::debug::ClientOptions> options =
      vorna::debug::ParseClientOptions(argc - 1, argv + 1, &error);
  if (!options) {
    std::fprintf(stderr, "vorna-debug: %s\n%s", error.c_str(), vorna::debug::kClientUsage);
    return kMisuse;
  }
  if (options->help) {
    std::fputs(vorna::debug::kClientUsage, stdout);
    return 0;
  }
  if (options->version) {
    std::printf("vorna-debug %s\n", VORNA_VERSION);
    return 0;
  }
  std::ifstream batch;
  if (!options->batch.empty()) {
    batch.open(options->batch);
    if (!batch) {
      std::fprintf(stderr, "vorna-debug: cannot read %s\n", options->batch.c_str());
      return kMisuse;
    }
  }
  try {
    vorna::debug::SourceLibrary sources(vorna::debug::MakeModuleLoader(
        options->image, options->source.empty() ? "." : options->source));
    vorna::debug::CommandShell shell(sources, std::cout);
    std::unique_ptr<vorna::debug::RuntimeProcess> runtime =
        vorna::debug::StartRuntime(options->launch);
    vorna::debug::DebugSession session(runtime->channel(), shell);
    shell.Attach(session);
    session.Start();
    RunCommands(options->batch.empty() ? std::cin : batch, !options->batch.empty(), shell, session);
    // Quitting (or running out of commands) while the program waits closes
    // the connection: the runtime tells its user that the debugger is gone
    // and ends, cleaning up after itself.
    // A runtime ends with 0 whatever its script did: anything else means that
    // it could not run (not found, not a program, a refused option).
    const int code = runtime->Wait();
    if (code != 0) {
      std::fprintf(stderr, "vorna-debug: the runtime %s ended with exit code %d\n",
                   options->launch.runtime.c_str(), code);
      return kRuntimeFailed;
    }
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "vorna-debug: %s\n", failure.what());
    return kMisuse;
  }
  return 0;
}
