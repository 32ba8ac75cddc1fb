// Names in expressions, resolved in a fixed order: extension members,
// keywords, user FUNCTIONs, variables, and last the empty value of the
// receiving type.
#include <cstring>

#include "script/activation.h"
#include "script/evaluator.h"
#include "script/function_table.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/variables.h"
#include "values/errors.h"
#include "values/script_object.h"
#include "values/value.h"

namespace vorna {

namespace {

// TRUE, FALSE, IS and the built-in functions; any other keyword is no operand.
void EvaluateKeyword(Activation& activation, const Keyword& keyword, Value& out) {
  if (keyword.klass == KeywordClass::Function) {
    activation.interpreter().functions().Call(keyword.id, activation, out);
    return;
  }
  if (keyword.klass == KeywordClass::Constant) {
    if (keyword.id == KeywordId::True) {
      out.SetBoolean(1);
      return;
    }
    if (keyword.id == KeywordId::False) {
      out.SetBoolean(0);
      return;
    }
    if (keyword.id == KeywordId::Is && activation.selectValue()) {
      Assign(out, *activation.selectValue());
      return;
    }
  }
  Raise(errorNumbers::InvalidUseOfKeyword);
}

// A variable operand: an object's member after ".", otherwise its value.
void ReadVariable(Activation& activation, Value& variable, Value& out) {
  StatementCursor& cursor = activation.cursor();
  if (variable.type() == ValueType::OBJECT) {
    cursor.SkipBlanks();
    if (cursor.current() == '.') {
      cursor.Take();
      ScriptObject* object = variable.AsObject();
      if (!object || !object->GetMember(activation, out)) {
        Raise(errorNumbers::UndefinedObjectMember);
      }
      return;
    }
  }
  Assign(out, variable);
}

// An unknown name reads as the empty value of the receiving type and
// creates nothing.
void ReadEmptyValue(Value& out) {
  switch (out.type()) {
    case ValueType::NONE:
      out.SetInteger(0);
      break;
    case ValueType::STRING:
      out.SetString("");
      break;
    case ValueType::REAL:
    case ValueType::DOUBLE:
      out.SetDouble(0.0);
      break;
    case ValueType::INTEGER:
    case ValueType::LONG:
    case ValueType::BYTE:
      out.SetLong(0);
      break;
    case ValueType::BOOLEAN:
      out.SetBoolean(0);
      break;
    case ValueType::CHARACTER:
      out.SetCharacter(' ');
      break;
    case ValueType::OBJECT:
      Raise(errorNumbers::UnknownVariableType);
  }
}

}  // namespace

// name -> member | keyword | function call | variable [indices] [. member] | unknown
void EvaluateName(Activation& activation, Value& out) {
  Interpreter& interpreter = activation.interpreter();
  // Extension members come first: they are the language's global names.
  if (interpreter.GetMember(activation, out)) return;
  NameBuffer name;
  activation.cursor().ReadName(name);
  if (const Keyword* keyword = FindKeywordByName(name)) {
    EvaluateKeyword(activation, *keyword, out);
    return;
  }
  // A FUNCTION is found before a variable, so inside FUNCTION F the name F
  // calls F again; its result variable can only be assigned.
  if (interpreter.CallFunction(activation, name, out)) return;
  if (Value* variable = ReferenceVariable(activation, name)) {
    ReadVariable(activation, *variable, out);
    return;
  }
  ReadEmptyValue(out);
}

}  // namespace vorna
