// The typed writes and reads of a value and value-to-value assignment: every
// conversion between the script types happens here.
#include <cstring>

#include "values/errors.h"
#include "values/numeric_conversion.h"
#include "values/script_object.h"
#include "values/value.h"

namespace vorna {

namespace {

[[noreturn]] void Mismatch() {
  Raise(errorNumbers::TypeMismatch);
}

// A numeric datum as the reads see it: integer types as a 64-bit integer,
// REAL and DOUBLE as a double. NONE and OBJECT read as the integer 0.
struct Numeric {
  bool floating;
  int64_t integer;
  double number;
};

}  // namespace

// ---- writes ---------------------------------------------------------------

void Value::StoreInteger(int64_t number) {
  switch (type_) {
    case ValueType::REAL:
      cell<float>() = static_cast<float>(number);
      break;
    case ValueType::INTEGER:
      cell<int16_t>() = Low16(number);
      break;
    case ValueType::LONG:
      cell<int32_t>() = Low32(number);
      break;
    case ValueType::DOUBLE:
      cell<double>() = static_cast<double>(number);
      break;
    case ValueType::BYTE:
      cell<uint8_t>() = Low8(number);
      break;
    default:
      Mismatch();
  }
}

void Value::StoreFloating(double number) {
  switch (type_) {
    case ValueType::REAL:
      cell<float>() = NearestSingle(number);
      break;
    case ValueType::INTEGER:
      cell<int16_t>() = Low16(TruncateToInt64(number));
      break;
    case ValueType::LONG:
      cell<int32_t>() = Low32(TruncateToInt64(number));
      break;
    case ValueType::DOUBLE:
      cell<double>() = number;
      break;
    case ValueType::BYTE:
      cell<uint8_t>() = Low8(TruncateToInt64(number));
      break;
    default:
      Mismatch();
  }
}

void Value::SetString(const char* text) {
  BeginWrite(ValueType::STRING);
  if (type_ == ValueType::CHARACTER) {
    cell<char>() = text[0];
  } else if (type_ == ValueType::STRING) {
    // Copy before freeing: text may be this value's own text.
    char* copy = CopyText(text);
    FreeText(cell<char*>());
    cell<char*>() = copy;
  } else {
    Mismatch();
  }
}

void Value::SetReal(float number) {
  BeginWrite(ValueType::REAL);
  StoreFloating(number);
}

void Value::SetInteger(int16_t number) {
  BeginWrite(ValueType::INTEGER);
  StoreInteger(number);
}

void Value::SetLong(int32_t number) {
  BeginWrite(ValueType::LONG);
  if (type_ == ValueType::CHARACTER) {
    cell<char>() = static_cast<char>(Low8(number));
  } else {
    StoreInteger(number);
  }
}

void Value::SetDouble(double number) {
  BeginWrite(ValueType::DOUBLE);
  StoreFloating(number);
}

void Value::SetByte(uint8_t number) {
  BeginWrite(ValueType::BYTE);
  StoreInteger(number);
}

void Value::SetBoolean(int32_t flag) {
  BeginWrite(ValueType::BOOLEAN);
  if (type_ != ValueType::BOOLEAN) Mismatch();
  cell<int32_t>() = flag;
}

void Value::SetCharacter(char character) {
  BeginWrite(ValueType::CHARACTER);
  if (type_ != ValueType::CHARACTER) Mismatch();
  cell<char>() = character;
}

void Value::SetObject(ScriptObject* object) {
  BeginWrite(ValueType::OBJECT);
  if (type_ != ValueType::OBJECT) {
    delete object;
    Mismatch();
  }
  ScriptObject* previous = cell<ScriptObject*>();
  cell<ScriptObject*>() = object;
  if (previous != object) delete previous;
}

// ---- reads ----------------------------------------------------------------

namespace {

Numeric ReadNumeric(ValueType type, const void* cell) {
  switch (type) {
    case ValueType::NONE:
    case ValueType::OBJECT:
      return {false, 0, 0.0};
    case ValueType::REAL:
      return {true, 0, *static_cast<const float*>(cell)};
    case ValueType::DOUBLE:
      return {true, 0, *static_cast<const double*>(cell)};
    case ValueType::INTEGER:
      return {false, *static_cast<const int16_t*>(cell), 0.0};
    case ValueType::LONG:
      return {false, *static_cast<const int32_t*>(cell), 0.0};
    case ValueType::BYTE:
      return {false, *static_cast<const uint8_t*>(cell), 0.0};
    default:
      Mismatch();
  }
}

}  // namespace

const char* Value::AsString() const {
  if (type_ == ValueType::STRING) {
    const char* text = cell<char*>();
    return text ? text : "";
  }
  if (type_ == ValueType::CHARACTER) {
    characterText_[0] = cell<char>();
    characterText_[1] = '\0';
    return characterText_;
  }
  Mismatch();
}

char Value::AsCharacter() const {
  if (type_ == ValueType::STRING) return AsString()[0];
  if (type_ == ValueType::CHARACTER) return cell<char>();
  Mismatch();
}

int32_t Value::AsBoolean() const {
  if (type_ != ValueType::BOOLEAN) Mismatch();
  return cell<int32_t>();
}

ScriptObject* Value::AsObject() const {
  if (type_ != ValueType::OBJECT) Mismatch();
  return cell<ScriptObject*>();
}

float Value::AsReal() const {
  Numeric n = ReadNumeric(type_, element_);
  return n.floating ? NearestSingle(n.number) : static_cast<float>(n.integer);
}

int16_t Value::AsInteger() const {
  Numeric n = ReadNumeric(type_, element_);
  return Low16(n.floating ? TruncateToInt64(n.number) : n.integer);
}

int32_t Value::AsLong() const {
  Numeric n = ReadNumeric(type_, element_);
  return Low32(n.floating ? TruncateToInt64(n.number) : n.integer);
}

double Value::AsDouble() const {
  Numeric n = ReadNumeric(type_, element_);
  return n.floating ? n.number : static_cast<double>(n.integer);
}

uint8_t Value::AsByte() const {
  Numeric n = ReadNumeric(type_, element_);
  return Low8(n.floating ? TruncateToInt64(n.number) : n.integer);
}

// ---- assignment -----------------------------------------------------------

namespace {

// Gives a NONE value the numeric type of a source by writing 0 of it.
void TakeNumericType(Value& target, ValueType type) {
  switch (type) {
    case ValueType::REAL:
      target.SetReal(0.0f);
      break;
    case ValueType::INTEGER:
      target.SetInteger(0);
      break;
    case ValueType::LONG:
      target.SetLong(0);
      break;
    case ValueType::DOUBLE:
      target.SetDouble(0.0);
      break;
    default:
      target.SetByte(0);
      break;
  }
}

// A number into the target's type, each numeric type by its own setter.
void AssignNumber(Value& target, const Value& source) {
  if (target.type() == ValueType::NONE) TakeNumericType(target, source.type());
  switch (target.type()) {
    case ValueType::REAL:
      target.SetReal(source.AsReal());
      break;
    case ValueType::INTEGER:
      target.SetLong(source.AsInteger());
      break;
    case ValueType::LONG:
      target.SetLong(source.AsLong());
      break;
    case ValueType::DOUBLE:
      target.SetDouble(source.AsDouble());
      break;
    case ValueType::BYTE:
      target.SetByte(source.AsByte());
      break;
    default:
      Mismatch();
  }
}

}  // namespace

void Assign(Value& target, const Value& source) {
  switch (source.type()) {
    case ValueType::STRING:
      target.SetString(source.AsString());
      break;
    case ValueType::REAL:
    case ValueType::INTEGER:
    case ValueType::LONG:
    case ValueType::DOUBLE:
    case ValueType::BYTE:
      AssignNumber(target, source);
      break;
    case ValueType::BOOLEAN:
      target.SetBoolean(source.AsBoolean());
      break;
    case ValueType::CHARACTER:
      target.SetCharacter(source.AsCharacter());
      break;
    case ValueType::OBJECT: {
      ScriptObject* object = source.AsObject();
      // An OBJECT value that holds no object has nothing to hand over.
      if (!object) Mismatch();
      object->AssignTo(target);
      break;
    }
    case ValueType::NONE:
      Mismatch();
  }
}

}  // namespace vorna
