#include "builtins/function_families.h"

namespace vorna {

void RegisterBuiltinFunctions(FunctionTable& table) {
  RegisterTextFunctions(table);
  RegisterNumberFunctions(table);
  RegisterConversionFunctions(table);
  RegisterErrorFunctions(table);
  RegisterSystemFunctions(table);
  RegisterFileFunctions(table);
  RegisterReservedFunctions(table);
}

}  // namespace vorna
