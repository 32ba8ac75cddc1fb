#include "host/startup/script_entry.h"

#include <memory>

#include "host/startup/command_line.h"
#include "host/startup/install_log.h"
#include "host/startup/language_setup.h"
#include "host/startup/reported_interaction.h"
#include "host/startup/startup_control.h"
#include "host/startup/startup_message.h"
#include "platform/installed_platform.h"
#include "script/interpreter.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

/// A sink attached to a source for as long as it lives.
class AttachedSink {
 public:
  AttachedSink(platform::InstallEvents& events, platform::InstallEventSink& sink)
      : events_(events), sink_(sink) {
    events_.Attach(sink_);
  }
  ~AttachedSink() { events_.Detach(sink_); }
  AttachedSink(const AttachedSink&) = delete;
  AttachedSink& operator=(const AttachedSink&) = delete;

 private:
  platform::InstallEvents& events_;
  platform::InstallEventSink& sink_;
};

// Initialise, then MAIN. A global area that fails ends the run with the
// start-up message "CAN'T EXECUTE PROGRAM".
void RunProgram(const platform::Platform& machine, Interpreter& interpreter) {
  try {
    interpreter.Initialise();
  } catch (const InternalError& error) {
    FailStartup(machine, error.text);
    return;
  }
  Value result;
  if (!interpreter.RunProcedureByName(kMainProcedure, result)) {
    FailStartup(machine, kMainNotFoundText);
  }
}

/// The run after the command line was read: the modules, then the program.
void RunCommandLine(platform::Platform& machine, const CommandLine& line) {
  if (line.startupSwitch == StartupSwitch::Help) {
    ShowStartupMessage(machine, line.refusal);
    return;
  }
  if (!line.refusal.empty()) {
    FailStartup(machine, line.refusal);
    return;
  }
  // The interpreter lives as long as the run; leaving frees it with every
  // module, variable, open file and the console.
  auto interpreter = std::make_unique<Interpreter>(machine);
  if (line.startupSwitch == StartupSwitch::Debug) {
    interpreter->connectedFlag = 1;
    interpreter->steppingFlag = 1;
  }
  RegisterLanguage(*interpreter);
  if (!LoadStartupControl(machine, line.fileName, interpreter->modules())) return;
  RunProgram(machine, *interpreter);
}

/// The log that VORNA_LOG names; nullptr when none is asked for. *failed is
/// set when one is asked for but cannot be written.
std::unique_ptr<InstallLog> OpenAskedLog(const platform::Platform& machine, bool* failed) {
  std::optional<std::string> path = machine.system->Environment(kLogVariable);
  if (!path || path->empty()) return nullptr;
  std::unique_ptr<InstallLog> log = InstallLog::Create(machine, *path);
  if (!log) {
    FailStartup(machine, LogFailureText(*path));
    *failed = true;
  }
  return log;
}

}  // namespace

int RunScriptEntry(const char* commandLine, const RunHost& host) {
  platform::Platform machine = platform::Current();
  platform::InstallEvents ownEvents;
  if (machine.events == nullptr) machine.events = &ownEvents;
  RunOutcomeTracker outcome;
  AttachedSink outcomeSink(*machine.events, outcome);
  // Every question of the run is reported with its answer.
  ReportedInteraction questions(*machine.interaction, machine);
  machine.interaction = &questions;

  bool logFailed = false;
  std::unique_ptr<InstallLog> log = OpenAskedLog(machine, &logFailed);
  std::unique_ptr<AttachedSink> logSink;
  if (log) logSink = std::make_unique<AttachedSink>(*machine.events, *log);
  platform::Emit(machine,
                 platform::event::RunStarted{kRuntimeVersion, commandLine ? commandLine : "",
                                             machine.files->ProgramPath()});
  if (!logFailed) RunCommandLine(machine, ParseCommandLine(commandLine));
  int exitCode = ExitCodeOf(outcome.outcome(), host.exitCodes);
  platform::Emit(machine, platform::event::RunEnded{outcome.outcome(), exitCode});
  return exitCode;
}

}  // namespace vorna
