// Construction, release and aliasing of values: who owns which storage.
#include "values/value.h"

#include "values/errors.h"
#include "values/script_object.h"

namespace vorna {

bool IsNumericType(ValueType type) {
  switch (type) {
    case ValueType::REAL:
    case ValueType::INTEGER:
    case ValueType::LONG:
    case ValueType::DOUBLE:
    case ValueType::BYTE:
      return true;
    default:
      return false;
  }
}

Value::Value() = default;

Value::Value(ValueType declaredType) {
  switch (declaredType) {
    case ValueType::STRING:
      SetString("");
      break;
    case ValueType::REAL:
      SetReal(0.0f);
      break;
    case ValueType::INTEGER:
      SetInteger(0);
      break;
    case ValueType::LONG:
      SetLong(0);
      break;
    case ValueType::DOUBLE:
      SetDouble(0.0);
      break;
    case ValueType::BYTE:
      SetByte(0);
      break;
    case ValueType::BOOLEAN:
      SetBoolean(0);
      break;
    case ValueType::CHARACTER:
      SetCharacter(' ');
      break;
    case ValueType::OBJECT:
      SetObject(nullptr);
      break;
    case ValueType::NONE:
      break;
  }
}

Value::Value(const char* text) {
  SetString(text);
}
Value::Value(float number) {
  SetReal(number);
}
Value::Value(int16_t number) {
  SetInteger(number);
}
Value::Value(int32_t number) {
  SetLong(number);
}
Value::Value(double number) {
  SetDouble(number);
}
Value::Value(uint8_t number) {
  SetByte(number);
}
Value::Value(bool flag) {
  SetBoolean(flag ? 1 : 0);
}
Value::Value(char character) {
  SetCharacter(character);
}
Value::Value(ScriptObject* object) {
  SetObject(object);
}

Value::~Value() {
  Release();
}

void Value::Release() {
  if (type_ == ValueType::NONE && !alias_) return;
  if (!alias_) {
    if (isArray()) {
      FreeArrayBlock();
    } else {
      FreeScalar();
    }
  }
  // A released value owns nothing and borrows nothing: it is a plain NONE
  // scalar again, so no later write can reach a block or a borrowed cell.
  storage_ = &inline_;
  element_ = &inline_;
  inline_ = Cell{};
  bound1_ = bound2_ = bound3_ = 0;
  alias_ = false;
  type_ = ValueType::NONE;
}

void Value::FreeScalar() {
  if (type_ == ValueType::STRING) {
    FreeText(inline_.text);
  } else if (type_ == ValueType::OBJECT) {
    delete inline_.object;
  }
  inline_ = Cell{};
}

void Value::BeginWrite(ValueType type) {
  if (type_ != ValueType::NONE) return;
  // An alias of an untyped value cannot give the caller's value a type;
  // the write lands in this value's own cell instead.
  if (alias_) Release();
  type_ = type;
  // The cell may hold stale bits of an earlier type; a new text cell must
  // start empty so that its first write frees nothing.
  if (type == ValueType::STRING) cell<char*>() = nullptr;
  if (type == ValueType::OBJECT) cell<ScriptObject*>() = nullptr;
}

void MakeAlias(Value& target, Value& source) {
  if (&target == &source) return;
  target.Release();
  target.storage_ = source.storage_;
  target.element_ = source.storage_;
  target.type_ = source.type_;
  target.bound1_ = source.bound1_;
  target.bound2_ = source.bound2_;
  target.bound3_ = source.bound3_;
  target.alias_ = true;
}

}  // namespace vorna
