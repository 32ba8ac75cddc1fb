#include "host/startup/startup_control.h"

#include <cstring>

#include "host/startup/startup_message.h"
#include "installdata/container.h"
#include "installdata/scramble.h"
#include "platform/platform.h"
#include "script/module_loader.h"
#include "values/errors.h"

namespace vorna {

namespace {

/// Loads one module; on a script error shows the start-up message naming it.
bool LoadNamedModule(const platform::Platform& machine, NodeList& modules, const char* name) {
  try {
    LoadModule(*machine.files, modules, name);
    return true;
  } catch (errorNumbers number) {
    const char* message = MessageOf(static_cast<int32_t>(number));
    FailStartup(machine, ModuleLoadFailureText(name, message != nullptr ? message : "Error"));
  } catch (const InternalError& error) {
    FailStartup(machine, ModuleLoadFailureText(name, error.text));
  }
  return false;
}

}  // namespace

std::string ModuleLoadFailureText(const std::string& moduleName, const std::string& reason) {
  return "Cannot load module " + moduleName + ": " + reason + ".";
}

bool LoadStartupControl(const platform::Platform& machine, const std::string& fileName,
                        NodeList& modules) {
  ContainerReader reader(*machine.files);
  SetContainerKey(kInstallerKey);
  if (!reader.CheckDirectory()) {
    ShowStartupMessage(machine, kDamagedSetupText);
    platform::Emit(machine, platform::event::RunFailed{std::string(kDamagedSetupText) + " (" +
                                                       reader.problem() + ")"});
    return false;
  }
  if (!reader.OpenEntry(fileName.c_str(), "r")) {
    ShowFileNotFound(machine, fileName);
    platform::Emit(machine, platform::event::RunFailed{"no start-up control entry " + fileName});
    return false;
  }
  // The reader writes up to two bytes past the line limit.
  char line[kControlLineLimit + 2];
  bool loaded = true;
  while (loaded && !reader.AtEndOfEntry()) {
    if (reader.ReadLine(line, kControlLineLimit) == nullptr) break;
    line[std::strcspn(line, "\r\n")] = '\0';
    if (line[0] != '\0' && line[0] != '~') loaded = LoadNamedModule(machine, modules, line);
  }
  reader.Close();
  return loaded;
}

}  // namespace vorna
