#include "install/library_registration.h"

#include "platform/platform.h"

namespace vorna {

platform::LibraryAction LibraryActionFromMode(const std::string& mode) {
  bool registers = !mode.empty() && (mode[0] == 'R' || mode[0] == 'r');
  return registers ? platform::LibraryAction::Register : platform::LibraryAction::Unregister;
}

bool RegisterLibrary(const platform::Platform& machine, const std::string& path,
                     platform::LibraryAction action) {
  bool succeeded = machine.shell->RegisterLibrary(path, action);
  platform::Emit(machine, platform::event::LibraryRegistration{path, action, succeeded});
  return succeeded;
}

}  // namespace vorna
