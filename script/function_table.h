// The dispatch table of the built-in function library: one handler per
// function keyword. The evaluator calls a function keyword's handler with the
// value that receives the result; the handler parses its own arguments from
// the activation's cursor.
//
// The table belongs to the interpreter and starts empty; the function library
// and the install services (REGISTRY) fill it at start-up.
#pragma once

#include "script/dispatch_table.h"

namespace vorna {

class Activation;
class Value;

/// Computes one built-in function into result, reading its arguments at the cursor.
using FunctionHandler = void (*)(Activation& activation, Value& result);

class FunctionTable : public DispatchTable<FunctionHandler, KeywordClass::Function> {
 public:
  /// Runs the handler of id into result; an id without a handler reads
  /// nothing and leaves result as it was.
  void Call(KeywordId id, Activation& activation, Value& result) const;
};

}  // namespace vorna
