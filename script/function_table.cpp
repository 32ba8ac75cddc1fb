#include "script/function_table.h"

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

FunctionTable& BuiltinFunctionTable() {
  static FunctionTable table = [] {
    FunctionTable built;
    RegisterBuiltinFunctions(built);
    return built;
  }();
  return table;
}

void CallBuiltinFunction(int32_t id, Activation& activation, Value& result) {
  if (id < 0 || id >= kFunctionTableSize) return;
  FunctionHandler handler = BuiltinFunctionTable().handlers[id];
  if (handler) handler(activation, result);
}

}  // namespace vorna
