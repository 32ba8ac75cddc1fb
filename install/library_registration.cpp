#include "install/library_registration.h"

#include "platform/platform.h"

namespace vorna {

platform::LibraryAction LibraryActionFromMode(const std::string& mode) {
  bool registers = !mode.empty() && (mode[0] == 'R' || mode[0] == 'r');
  return registers ? platform::LibraryAction::Register : platform::LibraryAction::Unregister;
}

bool RegisterLibrary(platform::Shell& shell, const std::string& path,
                     platform::LibraryAction action) {
  return shell.RegisterLibrary(path, action);
}

}  // namespace vorna
