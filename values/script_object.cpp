#include "values/script_object.h"

#include "values/errors.h"
#include "values/value.h"

namespace vorna {

ScriptObject::~ScriptObject() = default;

void ScriptObject::AssignTo(Value& target) {
  if (target.type() != ValueType::OBJECT) RaiseText(kTypeMismatchText);
  if (target.AsObject()) return;
  ScriptObject* fresh = nullptr;
  NewArray(&fresh, 1);
  target.SetObject(fresh);
}

}  // namespace vorna
