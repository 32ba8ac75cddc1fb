// The dispatch table of the built-in function library: one handler per
// keyword id. The evaluator calls a function keyword's handler with the
// value that receives the result; the handler parses its own arguments from
// the activation's cursor.
#pragma once

#include <cstdint>

namespace vorna {

class Activation;
class Value;

/// Computes one built-in function into result, reading its arguments at the cursor.
using FunctionHandler = void (*)(Activation& activation, Value& result);

/// Ids 0 to 139 have a slot; an id outside them does nothing.
constexpr int32_t kFunctionTableSize = 140;

struct FunctionTable {
  /// nullptr where an id has no handler: calling it does nothing.
  FunctionHandler handlers[kFunctionTableSize] = {};
};

/// Fills the library's handlers into table (called once, when the table is
/// first used).
void RegisterBuiltinFunctions(FunctionTable& table);

/// The one table of the process.
FunctionTable& BuiltinFunctionTable();

/// Runs the handler of id into result; an id without a handler reads
/// nothing and leaves result as it was.
void CallBuiltinFunction(int32_t id, Activation& activation, Value& result);

}  // namespace vorna
