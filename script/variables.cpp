#include "script/variables.h"

#include <cstdint>
#include <memory>

#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "values/errors.h"
#include "values/script_object.h"
#include "values/value.h"

namespace vorna {

namespace {

// One index of an index list: an expression read as a long, never 0.
int32_t ReadIndex(Activation& activation) {
  Value index;
  EvaluateExpression(activation, index);
  int32_t number = index.AsLong();
  if (number == 0) Raise(errorNumbers::DimStatement);
  return number;
}

// "." member "=" expression on an object variable.
void AssignMember(Activation& activation, Value& variable) {
  activation.cursor().Take();
  ScriptObject* object = variable.AsObject();
  if (!object || !object->SetMember(activation)) Raise(errorNumbers::UndefinedObjectMember);
}

}  // namespace

Value* LookupVariable(Activation& activation, const char* name) {
  if (NamedNode* local = activation.locals().FindByName(name)) return static_cast<Value*>(local);
  if (activation.localsAreGlobals()) return nullptr;
  return static_cast<Value*>(activation.interpreter().globals().FindByName(name));
}

void SelectIndices(Activation& activation, Value& array) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  if (cursor.current() != '(') Raise(errorNumbers::VariableIsAnArray);
  cursor.Take();
  int32_t i1 = ReadIndex(activation);
  int32_t i2 = i1;
  int32_t i3 = i1;
  if (cursor.MatchChar(',')) {
    i2 = ReadIndex(activation);
    if (cursor.MatchChar(',')) i3 = ReadIndex(activation);
  }
  cursor.ExpectChar(')');
  array.SelectElement(i1, i2, i3);
}

Value* ReferenceVariable(Activation& activation, const char* name) {
  Value* variable = LookupVariable(activation, name);
  if (variable && variable->isArray()) SelectIndices(activation, *variable);
  return variable;
}

void EvaluateIntoVariable(Activation& activation, const char* name, Value& variable) {
  uint64_t cell = variable.selectedCell();
  Value staged;
  StartAccumulator(staged, variable);
  EvaluateExpression(activation, staged);
  // A FUNCTION called by the expression may have re-declared the name.
  if (LookupVariable(activation, name) != &variable) Raise(errorNumbers::UndefinedVariable);
  variable.ReselectCell(cell);
  Assign(variable, staged);
}

void AssignToName(Activation& activation, const char* name) {
  StatementCursor& cursor = activation.cursor();
  Value* variable = ReferenceVariable(activation, name);
  if (!variable) {
    // A new variable exists only once its first value has been computed, so
    // a failed assignment creates nothing.
    auto created = std::make_unique<Value>();
    cursor.ExpectChar('=');
    EvaluateExpression(activation, *created);
    created->SetName(name);
    activation.locals().Append(created.release());
    return;
  }
  if (variable->type() == ValueType::OBJECT) {
    cursor.SkipBlanks();
    if (cursor.current() == '.') {
      AssignMember(activation, *variable);
      return;
    }
  }
  cursor.ExpectChar('=');
  EvaluateIntoVariable(activation, name, *variable);
}

}  // namespace vorna
