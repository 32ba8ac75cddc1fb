#include "host/startup/script_entry.h"

#include <memory>

#include "host/startup/command_line.h"
#include "host/startup/language_setup.h"
#include "host/startup/startup_control.h"
#include "host/startup/startup_message.h"
#include "host/startup/uninstall_run.h"
#include "platform/installed_platform.h"
#include "script/interpreter.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// Initialise, then MAIN. A global area that fails ends the run with the
// start-up message "CAN'T EXECUTE PROGRAM".
void RunProgram(Interpreter& interpreter) {
  try {
    interpreter.Initialise();
  } catch (const InternalError& error) {
    ShowStartupMessage(error.text);
    return;
  }
  Value result;
  if (!interpreter.RunProcedureByName(kMainProcedure, result)) {
    ShowStartupMessage(kMainNotFoundText);
  }
}

}  // namespace

void RunScriptEntry(const char* commandLine) {
  // The interpreter lives as long as the run; leaving frees it with every
  // module, variable, open file and the console.
  platform::Platform& machine = platform::Current();
  auto interpreter = std::make_unique<Interpreter>(machine);
  CommandLine line = ParseCommandLine(commandLine);
  if (!line.refusal.empty()) {
    ShowStartupMessage(line.refusal);
    return;
  }
  if (line.startupSwitch == StartupSwitch::Uninstall) {
    RunUninstall(machine, line);
    return;
  }
  if (line.startupSwitch == StartupSwitch::Debug) {
    interpreter->connectedFlag = 1;
    interpreter->steppingFlag = 1;
  }
  RegisterLanguage(*interpreter);
  if (!LoadStartupControl(machine, line.fileName, interpreter->modules())) return;
  RunProgram(*interpreter);
}

}  // namespace vorna
