// CREATELINK and SETREGISTRY, a shortcut and a registry value, and the
// REGISTRY function that reads a registry value back.
#include "install/service_keywords.h"

#include "install/registry_access.h"
#include "platform/platform.h"
#include "script/activation.h"
#include "script/function_arguments.h"
#include "script/function_table.h"
#include "script/interpreter.h"
#include "script/statement_table.h"
#include "values/value.h"

namespace vorna {

namespace {

/// The "," between two arguments, then the next argument as text.
std::string ReadNextText(Activation& activation) {
  activation.cursor().ExpectChar(',');
  return activation.ReadText();
}

// createlink -> CREATELINK target "," linkfile "," description
// The script is not told how it went; a shortcut that was made is reported.
StatementEnd CreateLinkStatement(Activation& activation) {
  std::string target = activation.ReadText();
  std::string linkFile = ReadNextText(activation);
  std::string description = ReadNextText(activation);
  platform::Platform& machine = activation.interpreter().machine();
  if (machine.shell->CreateShortcut(target, linkFile, description) >= platform::kHrOk) {
    platform::Emit(machine, platform::event::ShortcutMade{linkFile, target});
  }
  return StatementEnd::Continue;
}

// setregistry -> SETREGISTRY keypath "," valuename "," data
// Writes a text value, creating the key path; "Illegal Use" when the key
// cannot be opened, "Disk" when the value cannot be written.
StatementEnd SetRegistryStatement(Activation& activation) {
  std::string keyPath = activation.ReadText();
  std::string valueName = ReadNextText(activation);
  std::string data = ReadNextText(activation);
  WriteRegistryText(activation.interpreter().machine(), keyPath, valueName, data);
  return StatementEnd::Continue;
}

// REGISTRY(key, value): a value of an existing key as text.
void RegistryFunction(Activation& activation, Value& result) {
  OpenArguments(activation, DollarSuffix::NotAllowed);
  std::string key = ReadTextArgument(activation);
  NextArgument(activation);
  std::string name = ReadTextArgument(activation);
  CloseArguments(activation);
  platform::Registry& registry = *activation.interpreter().machine().registry;
  result.SetString(ReadRegistryText(registry, key, name).c_str());
}

}  // namespace

void RegisterServiceKeywords(StatementTable& statements, FunctionTable& functions) {
  statements.Register(KeywordId::CreateLink, CreateLinkStatement);
  statements.Register(KeywordId::SetRegistry, SetRegistryStatement);
  functions.Register(KeywordId::Registry, RegistryFunction);
}

}  // namespace vorna
