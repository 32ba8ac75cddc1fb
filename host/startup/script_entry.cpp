#include "host/startup/script_entry.h"

#include "host/startup/command_line.h"
#include "host/startup/startup_control.h"
#include "host/startup/startup_message.h"
#include "script/program.h"
#include "values/node_list.h"

namespace vorna {

void RunScriptEntry(const char* commandLine) {
  CommandLine line = ParseCommandLine(commandLine);
  if (!line.refusal.empty()) {
    ShowStartupMessage(line.refusal);
    return;
  }
  // The modules live as long as the run; leaving frees them all.
  NodeList modules;
  if (!LoadStartupControl(line.fileName, modules)) return;
  if (FindProcedureInModules(modules, kMainProcedure).procedure == nullptr) {
    ShowStartupMessage(kMainNotFoundText);
  }
}

}  // namespace vorna
