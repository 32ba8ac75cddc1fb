#include "uninstall/uninstall_command.h"

namespace vorna {

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

std::string UninstallCommandLine(const std::string& program, const std::string& recordFile) {
  return Quoted(program) + " -" + kUninstallSwitch + " " + Quoted(recordFile);
}

std::string FinishingCommandLine(const std::string& copy, const std::string& recordFile,
                                 uint32_t waitFor) {
  return UninstallCommandLine(copy, recordFile) + " -" + kWaitOption + " " +
         std::to_string(waitFor);
}

}  // namespace vorna
