// Promotion and the arithmetic operators.
#include <cmath>
#include <initializer_list>
#include <string>

#include "values/errors.h"
#include "values/numeric_conversion.h"
#include "values/operators.h"

namespace vorna {

namespace {

[[noreturn]] void Mismatch() {
  Raise(errorNumbers::TypeMismatch);
}

enum class Arithmetic { Add, Subtract, Multiply, Divide };

bool Either(const Value& left, const Value& right, ValueType type) {
  return left.type() == type || right.type() == type;
}

ValueType PromotedType(const Value& left, const Value& right) {
  static const ValueType kOrder[] = {ValueType::STRING, ValueType::DOUBLE,  ValueType::REAL,
                                     ValueType::LONG,   ValueType::INTEGER, ValueType::BYTE};
  for (ValueType type : kOrder) {
    if (Either(left, right, type)) return type;
  }
  // Characters take part in no arithmetic: reading one as a number fails.
  if (Either(left, right, ValueType::CHARACTER)) Mismatch();
  if (Either(left, right, ValueType::BOOLEAN)) return ValueType::BOOLEAN;
  return ValueType::NONE;
}

void WriteAs(ValueType type, const Value& source, Value& out) {
  switch (type) {
    case ValueType::STRING:
      out.SetString(source.AsString());
      break;
    case ValueType::DOUBLE:
      out.SetDouble(source.AsDouble());
      break;
    case ValueType::REAL:
      out.SetReal(source.AsReal());
      break;
    case ValueType::LONG:
      out.SetLong(source.AsLong());
      break;
    case ValueType::INTEGER:
      out.SetInteger(source.AsInteger());
      break;
    case ValueType::BYTE:
      out.SetByte(source.AsByte());
      break;
    case ValueType::BOOLEAN:
      out.SetBoolean(source.AsBoolean());
      break;
    default:
      break;
  }
}

double ComputeFloating(Arithmetic op, double a, double b) {
  switch (op) {
    case Arithmetic::Add:
      return a + b;
    case Arithmetic::Subtract:
      return a - b;
    case Arithmetic::Multiply:
      return a * b;
    case Arithmetic::Divide:
      break;
  }
  if (b == 0.0) Raise(errorNumbers::DivisionByZero);
  return a / b;
}

// 32-bit arithmetic that wraps instead of overflowing: the sum, difference
// and product are taken modulo 2^32, and INT32_MIN / -1 gives INT32_MIN.
int32_t ComputeWrapping(Arithmetic op, int32_t a, int32_t b) {
  uint32_t ua = static_cast<uint32_t>(a);
  uint32_t ub = static_cast<uint32_t>(b);
  switch (op) {
    case Arithmetic::Add:
      return static_cast<int32_t>(ua + ub);
    case Arithmetic::Subtract:
      return static_cast<int32_t>(ua - ub);
    case Arithmetic::Multiply:
      return static_cast<int32_t>(ua * ub);
    case Arithmetic::Divide:
      break;
  }
  if (b == 0) Raise(errorNumbers::DivisionByZero);
  if (b == -1) return static_cast<int32_t>(0u - ua);
  return a / b;
}

void ComputeString(Arithmetic op, Value& result, const Value& a, const Value& b) {
  if (op != Arithmetic::Add) Mismatch();
  std::string text = std::string(a.AsString()) + b.AsString();
  result.SetString(text.c_str());
}

void Compute(Arithmetic op, Value& result, const Value& left, const Value& right) {
  Value a;
  Value b;
  Promote(left, right, a, b);
  switch (a.type()) {
    case ValueType::STRING:
      ComputeString(op, result, a, b);
      break;
    case ValueType::DOUBLE:
      result.SetDouble(ComputeFloating(op, a.AsDouble(), b.AsDouble()));
      break;
    case ValueType::REAL:
      // A single operation on two singles, done in double and rounded once,
      // gives the correctly rounded single result.
      result.SetReal(NearestSingle(ComputeFloating(op, a.AsReal(), b.AsReal())));
      break;
    case ValueType::LONG:
    case ValueType::INTEGER:
      // INTEGER operands are sign-extended; the 32-bit result is written as
      // a LONG, so a fresh result is LONG and 30000 + 30000 gives 60000.
      result.SetLong(ComputeWrapping(op, a.AsLong(), b.AsLong()));
      break;
    case ValueType::BYTE:
      // Byte arithmetic stays a byte: the 32-bit result of the zero-extended
      // operands wraps to its low 8 bits.
      result.SetByte(Low8(ComputeWrapping(op, a.AsLong(), b.AsLong())));
      break;
    default:
      Mismatch();
  }
}

}  // namespace

void Promote(const Value& left, const Value& right, Value& leftOut, Value& rightOut) {
  leftOut.Release();
  rightOut.Release();
  ValueType type = PromotedType(left, right);
  WriteAs(type, left, leftOut);
  WriteAs(type, right, rightOut);
}

void Add(Value& result, const Value& left, const Value& right) {
  Compute(Arithmetic::Add, result, left, right);
}

void Subtract(Value& result, const Value& left, const Value& right) {
  Compute(Arithmetic::Subtract, result, left, right);
}

void Multiply(Value& result, const Value& left, const Value& right) {
  Compute(Arithmetic::Multiply, result, left, right);
}

void Divide(Value& result, const Value& left, const Value& right) {
  Compute(Arithmetic::Divide, result, left, right);
}

void Concatenate(Value& result, const Value& left, const Value& right) {
  std::string text = left.AsString();
  text += right.AsString();
  result.SetString(text.c_str());
}

void Power(Value& result, const Value& base, const Value& exponent) {
  for (const Value* operand : {&base, &exponent}) {
    if (operand->type() == ValueType::STRING || operand->type() == ValueType::BOOLEAN) Mismatch();
  }
  double a = base.AsDouble();
  double b = exponent.AsDouble();
  result.SetDouble(std::pow(a, b));
}

void Negate(Value& value) {
  switch (value.type()) {
    case ValueType::REAL:
      value.SetReal(-value.AsReal());
      break;
    case ValueType::DOUBLE:
      value.SetDouble(-value.AsDouble());
      break;
    case ValueType::INTEGER:
      // The 32-bit negation keeps its low 16 bits: -(-32768) stays -32768.
      value.SetLong(-int32_t{value.AsInteger()});
      break;
    case ValueType::LONG:
      value.SetLong(static_cast<int32_t>(0u - static_cast<uint32_t>(value.AsLong())));
      break;
    case ValueType::BYTE:
      value.SetByte(static_cast<uint8_t>(0u - value.AsByte()));
      break;
    default:
      Mismatch();
  }
}

}  // namespace vorna
