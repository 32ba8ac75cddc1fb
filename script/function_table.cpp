#include "script/function_table.h"

namespace vorna {

void FunctionTable::Call(KeywordId id, Activation& activation, Value& result) const {
  if (FunctionHandler handler = Find(id)) handler(activation, result);
}

}  // namespace vorna
