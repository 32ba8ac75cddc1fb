// CREATELINK and SETREGISTRY: a shortcut and a registry value, the two install
// services a script reaches through statements.
#include "install/registry_access.h"
#include "platform/platform.h"
#include "script/activation.h"
#include "statements/system_statements.h"

namespace vorna {

namespace {

/// The "," between two arguments, then the next argument as text.
std::string ReadNextText(Activation& activation) {
  activation.cursor().ExpectChar(',');
  return activation.ReadText();
}

}  // namespace

// createlink -> CREATELINK target "," linkfile "," description
StatementEnd RunCreateLink(Activation& activation) {
  std::string target = activation.ReadText();
  std::string linkFile = ReadNextText(activation);
  std::string description = ReadNextText(activation);
  platform::Current().shell->CreateShortcut(target, linkFile, description);
  return StatementEnd::Continue;
}

// setregistry -> SETREGISTRY keypath "," valuename "," data
StatementEnd RunSetRegistry(Activation& activation) {
  std::string keyPath = activation.ReadText();
  std::string valueName = ReadNextText(activation);
  std::string data = ReadNextText(activation);
  WriteRegistryText(keyPath, valueName, data);
  return StatementEnd::Continue;
}

}  // namespace vorna
