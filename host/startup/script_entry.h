// The script entry: everything the interpreter thread does, from the command
// line to the end of the run.
#pragma once

#include <functional>
#include <string>

#include "host/startup/run_outcome.h"
#include "platform/text_sink.h"

namespace vorna {

constexpr const char* kMainProcedure = "MAIN";
constexpr const char* kMainNotFoundText = "Main function not found.";

/// What a host hands the script entry besides the platform it installed.
struct RunHost {
  /// The exit code of each outcome on this host.
  ExitCodes exitCodes = kRuntimeExitCodes;
  /// The runtime's version, as the install log's first line names it.
  std::string version;
  /// Where an unattended run shows its questions and answers; nullptr for
  /// nowhere (the runtime: no window may appear).
  platform::TextSink* transcript = nullptr;
  /// The install log the host was asked for (vorna-run's answers file); the
  /// environment variable VORNA_LOG is read when it is empty.
  std::string logPath;
  /// Called once the start-up has read the command line, the log and the
  /// modules, just before the program (or the uninstall) runs; vorna-run arms
  /// its injected faults there, so that their counts start at the program's
  /// own calls.
  std::function<void()> programStarting;
};

/// Reads the command line, loads the modules that the start-up control entry
/// names and runs MAIN; returns when the run is over, with the exit code of
/// its outcome. Refusals and failures are shown as start-up messages. With
/// -A every question is answered from the answers file, no window appears,
/// and a question the file does not answer ends the process at once with
/// the failure exit code. Every event of the run goes to the installed
/// platform's event source (one of the run's own when it has none), to the
/// run's outcome and to the install log when one is asked for: the answers
/// file's "log" line, else the host's, else VORNA_LOG.
int RunScriptEntry(const char* commandLine, const RunHost& host = RunHost());

}  // namespace vorna
