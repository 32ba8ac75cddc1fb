#include "host/startup/startup_control.h"

#include <cstring>
#include <string>

#include "host/startup/startup_message.h"
#include "installdata/container.h"
#include "installdata/scramble.h"
#include "platform/platform.h"
#include "script/module_loader.h"
#include "values/errors.h"

namespace vorna {

namespace {

/// Loads one module; on a script error shows the start-up message naming it
/// and, for an error of one of its lines, the line.
bool LoadNamedModule(const platform::Platform& machine, NodeList& modules, const char* name) {
  int32_t failedLine = -1;
  try {
    LoadModule(*machine.files, modules, name,
               [&failedLine](errorNumbers number, int32_t line, int32_t) {
                 failedLine = line;
                 throw number;
               });
    return true;
  } catch (errorNumbers number) {
    const char* message = MessageOf(static_cast<int32_t>(number));
    std::string reason = message != nullptr ? message : "Error";
    if (failedLine >= 0) reason += " in line " + std::to_string(failedLine + 1);
    FailStartup(machine, ModuleLoadFailureText(name, reason));
  } catch (const InternalError& error) {
    FailStartup(machine, ModuleLoadFailureText(name, error.text));
  }
  return false;
}

/// True, after the damaged-setup message and with the run reported as failed,
/// when the program file is a damaged setup: nothing of it may be read, and no
/// plain file may stand in for it.
bool RefuseDamagedSetup(const platform::Platform& machine) {
  SetContainerKey(kInstallerKey);
  ContainerReader reader(*machine.files);
  if (reader.CheckDirectory()) return false;
  ShowStartupMessage(machine, kDamagedSetupText);
  platform::Emit(machine, platform::event::RunFailed{std::string(kDamagedSetupText) + " (" +
                                                     reader.problem() + ")"});
  return true;
}

}  // namespace

std::string ModuleLoadFailureText(const std::string& moduleName, const std::string& reason) {
  return "Cannot load module " + moduleName + ": " + reason + ".";
}

std::optional<std::vector<ControlLine>> ReadStartupControl(platform::FileSystem& files,
                                                           const std::string& fileName) {
  ContainerReader reader(files);
  SetContainerKey(kInstallerKey);
  if (!reader.OpenEntry(fileName.c_str(), "r")) return std::nullopt;
  // The reader writes up to two bytes past the line limit.
  char line[kControlLineLimit + 2];
  std::vector<ControlLine> names;
  for (int32_t lineNumber = 0; !reader.AtEndOfEntry(); ++lineNumber) {
    if (reader.ReadLine(line, kControlLineLimit) == nullptr) break;
    line[std::strcspn(line, "\r\n")] = '\0';
    if (line[0] != '\0' && line[0] != '~') names.push_back({line, lineNumber});
  }
  reader.Close();
  return names;
}

bool LoadStartupControl(const platform::Platform& machine, const std::string& fileName,
                        NodeList& modules) {
  if (RefuseDamagedSetup(machine)) return false;
  std::optional<std::vector<ControlLine>> names = ReadStartupControl(*machine.files, fileName);
  if (!names) {
    ShowFileNotFound(machine, fileName);
    platform::Emit(machine, platform::event::RunFailed{"no start-up control entry " + fileName});
    return false;
  }
  for (const ControlLine& line : *names) {
    if (!LoadNamedModule(machine, modules, line.name.c_str())) return false;
  }
  return true;
}

}  // namespace vorna
