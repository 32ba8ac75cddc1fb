// The six comparisons. The left operand's type chooses how both sides are
// read; nothing is promoted and neither operand changes.
#include <cstring>

#include "values/errors.h"
#include "values/numeric_conversion.h"
#include "values/operators.h"

namespace vorna {

namespace {

enum class Comparison { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

// The three outcomes of reading both sides; a NaN is neither of them.
struct Order {
  bool less;
  bool equal;
  bool greater;
};

template <typename T>
Order OrderOf(T a, T b) {
  return {a < b, a == b, b < a};
}

bool Decide(Comparison op, Order order) {
  switch (op) {
    case Comparison::Equal:
      return order.equal;
    case Comparison::NotEqual:
      return !order.equal;
    case Comparison::Less:
      return order.less;
    case Comparison::LessOrEqual:
      return order.equal || order.less;
    case Comparison::Greater:
      return order.greater;
    case Comparison::GreaterOrEqual:
      return order.equal || order.greater;
  }
  return false;
}

// A BOOLEAN has no order: < and > are false without reading the right side,
// and <= and >= ask only whether the two flags are equal.
bool CompareBooleans(Comparison op, const Value& left, const Value& right) {
  if (op == Comparison::Less || op == Comparison::Greater) return false;
  bool equal = left.AsBoolean() == right.AsBoolean();
  return op == Comparison::NotEqual ? !equal : equal;
}

bool Compare(Comparison op, const Value& left, const Value& right) {
  switch (left.type()) {
    case ValueType::STRING: {
      // strcmp orders by unsigned bytes, shorter prefix first.
      int difference = std::strcmp(left.AsString(), right.AsString());
      return Decide(op, OrderOf(difference, 0));
    }
    case ValueType::REAL:
    case ValueType::DOUBLE:
      return Decide(op, OrderOf(left.AsDouble(), right.AsDouble()));
    case ValueType::INTEGER:
    case ValueType::LONG:
    case ValueType::BYTE:
      return Decide(op, OrderOf(left.AsLong(), right.AsLong()));
    case ValueType::BOOLEAN:
      return CompareBooleans(op, left, right);
    case ValueType::CHARACTER:
      return Decide(op, OrderOf(SignedCode(left.AsCharacter()), SignedCode(right.AsCharacter())));
    case ValueType::NONE:
    case ValueType::OBJECT:
      break;
  }
  Raise(errorNumbers::InvalidType);
}

}  // namespace

bool Equal(const Value& left, const Value& right) {
  return Compare(Comparison::Equal, left, right);
}

bool NotEqual(const Value& left, const Value& right) {
  return Compare(Comparison::NotEqual, left, right);
}

bool Less(const Value& left, const Value& right) {
  return Compare(Comparison::Less, left, right);
}

bool LessOrEqual(const Value& left, const Value& right) {
  return Compare(Comparison::LessOrEqual, left, right);
}

bool Greater(const Value& left, const Value& right) {
  return Compare(Comparison::Greater, left, right);
}

bool GreaterOrEqual(const Value& left, const Value& right) {
  return Compare(Comparison::GreaterOrEqual, left, right);
}

}  // namespace vorna
