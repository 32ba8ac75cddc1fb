// NOT, AND, OR and MOD: the operators the evaluator applies to its
// accumulated left value in place.
#include "values/errors.h"
#include "values/operators.h"

namespace vorna {

void Not(Value& value) {
  value.SetBoolean(value.AsBoolean() == 0 ? 1 : 0);
}

void And(Value& left, const Value& right) {
  if (left.type() == ValueType::BOOLEAN) {
    // The right term was evaluated, but a false left never reads it, so its
    // type is not checked.
    if (left.AsBoolean() == 0) {
      left.SetBoolean(0);
    } else {
      left.SetBoolean(right.AsBoolean() != 0 ? 1 : 0);
    }
    return;
  }
  int32_t bits = right.AsLong() & left.AsLong();
  left.SetLong(bits);
}

void Or(Value& left, const Value& right) {
  if (left.type() == ValueType::BOOLEAN) {
    if (left.AsBoolean() != 0) {
      left.SetBoolean(1);
    } else {
      left.SetBoolean(right.AsBoolean() != 0 ? 1 : 0);
    }
    return;
  }
  int32_t bits = right.AsLong() | left.AsLong();
  left.SetLong(bits);
}

void Mod(Value& left, const Value& right) {
  int32_t dividend = left.AsLong();
  int32_t divisor = right.AsLong();
  if (divisor == 0) Raise(errorNumbers::DivisionByZero);
  // Every remainder by -1 is 0; asking the machine for INT32_MIN % -1 traps.
  int32_t remainder = divisor == -1 ? 0 : dividend % divisor;
  left.SetLong(remainder);
}

}  // namespace vorna
