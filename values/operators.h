// The operators of the script language, as functions over values.
//
// Arithmetic first brings both operands to one type (Promote) and computes in
// it; comparisons do not promote: the left operand's type alone decides how
// both sides are read. Results are written through the typed setters, so a
// fresh result takes the computed type and a typed result converts into its
// own. Integer results wrap; no operator raises an overflow.
#pragma once

#include "values/value.h"

namespace vorna {

/// Writes into leftOut and rightOut (released first) copies of left and right
/// converted to their common type: STRING, DOUBLE, REAL, LONG, INTEGER, BYTE
/// or BOOLEAN, in that order of precedence; both stay NONE for two NONE or
/// OBJECT operands. A pairing the reads reject raises "Type Mismatch".
void Promote(const Value& left, const Value& right, Value& leftOut, Value& rightOut);

/// result := left + right (texts concatenate; INTEGER sums are written as LONG).
void Add(Value& result, const Value& left, const Value& right);
/// result := left - right.
void Subtract(Value& result, const Value& left, const Value& right);
/// result := left * right.
void Multiply(Value& result, const Value& left, const Value& right);
/// result := left / right; integer quotients truncate toward zero. A zero
/// divisor is "Division by Zero" for every type.
void Divide(Value& result, const Value& left, const Value& right);
/// result := left & right: both must be STRING or CHARACTER.
void Concatenate(Value& result, const Value& left, const Value& right);
/// result := base ^ exponent, always as a DOUBLE.
void Power(Value& result, const Value& base, const Value& exponent);
/// Negates a number in place in its own type (a BYTE takes its two's complement).
void Negate(Value& value);

/// The comparisons, chosen by the left operand's type; they answer 1 or 0.
bool Equal(const Value& left, const Value& right);
bool NotEqual(const Value& left, const Value& right);
bool Less(const Value& left, const Value& right);
bool LessOrEqual(const Value& left, const Value& right);
bool Greater(const Value& left, const Value& right);
bool GreaterOrEqual(const Value& left, const Value& right);

/// Logical negation in place: the value must be BOOLEAN.
void Not(Value& value);
/// left := left AND right: logical for a BOOLEAN left (a false left does not
/// read right), otherwise bitwise on 32 bits in the left's own type.
void And(Value& left, const Value& right);
/// left := left OR right: logical for a BOOLEAN left (a true left does not
/// read right), otherwise bitwise on 32 bits in the left's own type.
void Or(Value& left, const Value& right);
/// left := remainder of the 32-bit division, with the dividend's sign; a zero
/// divisor is "Division by Zero".
void Mod(Value& left, const Value& right);

}  // namespace vorna
