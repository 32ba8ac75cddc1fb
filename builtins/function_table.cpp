#include "builtins/function_table.h"

namespace vorna {

void RegisterBuiltinFunctions(FunctionTable&) {
  // The function library registers its handlers here, by keyword id.
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
