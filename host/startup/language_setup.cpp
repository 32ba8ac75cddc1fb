#include "host/startup/language_setup.h"

#include "builtins/function_families.h"
#include "install/install_extensions.h"
#include "install/install_object.h"
#include "install/service_keywords.h"
#include "script/interpreter.h"
#include "statements/statement_families.h"

namespace vorna {

void RegisterKeywords(Interpreter& interpreter) {
  RegisterStatements(interpreter.statements());
  RegisterBuiltinFunctions(interpreter.functions());
  RegisterServiceKeywords(interpreter.statements(), interpreter.functions());
}

void RegisterLanguage(Interpreter& interpreter) {
  RegisterKeywords(interpreter);
  RegisterInstallObject(interpreter);
  RegisterInstallExtensions(interpreter);
}

}  // namespace vorna
