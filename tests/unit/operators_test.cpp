// The operators: promotion and result widths, comparisons by the left
// operand's type, the logical and bitwise AND/OR, MOD and division by zero.
#include "values/operators.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/support/error_of.h"
#include "values/errors.h"

namespace vorna {
namespace {

using testing::ErrorOf;

Value Integer(int16_t n) {
  return Value(n);
}
Value Long(int32_t n) {
  return Value(n);
}
Value Byte(uint8_t n) {
  return Value(n);
}

TEST(OperatorPromotion, CommonTypeByPrecedence) {
  struct Case {
    Value left;
    Value right;
    ValueType promoted;
  };
  Case cases[] = {
      {Value("a"), Value('b'), ValueType::STRING},     {Value(1.0f), Value(2.0), ValueType::DOUBLE},
      {Value(1.0f), Long(2), ValueType::REAL},         {Integer(1), Long(2), ValueType::LONG},
      {Byte(1), Integer(2), ValueType::INTEGER},       {Byte(1), Value(), ValueType::BYTE},
      {Value(true), Value(false), ValueType::BOOLEAN}, {Value(), Value(), ValueType::NONE},
  };
  for (Case& c : cases) {
    Value a;
    Value b;
    Promote(c.left, c.right, a, b);
    EXPECT_EQ(a.type(), c.promoted);
    EXPECT_EQ(b.type(), c.promoted);
  }
  Value a;
  Value b;
  EXPECT_EQ(ErrorOf([&] { Promote(Value("a"), Long(1), a, b); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([&] { Promote(Value('c'), Value(), a, b); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([&] { Promote(Value(true), Long(1), a, b); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([&] { Promote(Value(true), Value(), a, b); }), int(errorNumbers::TypeMismatch));
}

TEST(OperatorArithmetic, ResultTypesAndWidths) {
  Value r;
  Add(r, Integer(30000), Integer(30000));
  EXPECT_EQ(r.type(), ValueType::LONG);
  EXPECT_EQ(r.AsLong(), 60000);

  Value product;
  Multiply(product, Integer(200), Integer(200));
  EXPECT_EQ(product.type(), ValueType::LONG);
  EXPECT_EQ(product.AsLong(), 40000);

  // Into an INTEGER result the same product keeps its low 16 bits.
  Value narrow(ValueType::INTEGER);
  Multiply(narrow, Integer(200), Integer(200));
  EXPECT_EQ(narrow.type(), ValueType::INTEGER);
  EXPECT_EQ(narrow.AsLong(), -25536);

  Value wrapped;
  Add(wrapped, Long(2147483647), Long(1));
  EXPECT_EQ(wrapped.AsLong(), -2147483648);
  Value low;
  Subtract(low, Long(-2147483647 - 1), Long(1));
  EXPECT_EQ(low.AsLong(), 2147483647);
  Value big;
  Multiply(big, Long(65536), Long(65536));
  EXPECT_EQ(big.AsLong(), 0);
}

TEST(OperatorArithmetic, Division) {
  Value r;
  Divide(r, Long(7), Long(2));
  EXPECT_EQ(r.type(), ValueType::LONG);
  EXPECT_EQ(r.AsLong(), 3);
  Value d;
  Divide(d, Long(7), Value(2.0));
  EXPECT_EQ(d.type(), ValueType::DOUBLE);
  EXPECT_EQ(d.AsDouble(), 3.5);
  Value n;
  Divide(n, Long(-7), Long(2));
  EXPECT_EQ(n.AsLong(), -3);
  // The one quotient that does not fit 32 bits wraps instead of trapping.
  Value edge;
  Divide(edge, Long(-2147483647 - 1), Long(-1));
  EXPECT_EQ(edge.AsLong(), -2147483647 - 1);
  Value q;
  EXPECT_EQ(ErrorOf([&] { Divide(q, Long(1), Long(0)); }), int(errorNumbers::DivisionByZero));
  EXPECT_EQ(ErrorOf([&] { Divide(q, Value(1.5), Value(0.0)); }), int(errorNumbers::DivisionByZero));
  EXPECT_EQ(ErrorOf([&] { Divide(q, Value(1.5f), Value(0.0f)); }),
            int(errorNumbers::DivisionByZero));
  EXPECT_EQ(ErrorOf([&] { Divide(q, Byte(1), Byte(0)); }), int(errorNumbers::DivisionByZero));
}

TEST(OperatorArithmetic, BytesStayBytesAndWrap) {
  Value sum;
  Add(sum, Byte(200), Byte(100));
  EXPECT_EQ(sum.type(), ValueType::BYTE);
  EXPECT_EQ(sum.AsLong(), 44);
  Value difference;
  Subtract(difference, Byte(1), Byte(2));
  EXPECT_EQ(difference.AsLong(), 255);
  Value quotient;
  Divide(quotient, Byte(255), Byte(2));
  EXPECT_EQ(quotient.AsLong(), 127);
}

TEST(OperatorArithmetic, RealsRoundToSingle) {
  Value r;
  Add(r, Value(0.1f), Value(0.2f));
  EXPECT_EQ(r.type(), ValueType::REAL);
  EXPECT_EQ(r.AsReal(), 0.1f + 0.2f);
}

TEST(OperatorArithmetic, TextsAndMismatches) {
  Value joined;
  Add(joined, Value("ab"), Value('c'));
  EXPECT_STREQ(joined.AsString(), "abc");
  Value r;
  EXPECT_EQ(ErrorOf([&] { Add(r, Value("a"), Long(1)); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([&] { Subtract(r, Value("a"), Value("b")); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([&] { Add(r, Value(true), Value(true)); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([&] { Add(r, Value(), Value()); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([&] { Add(r, Value('a'), Value('b')); }), int(errorNumbers::TypeMismatch));
  // A NONE operand reads as 0 beside a number.
  Value five;
  Add(five, Value(), Long(5));
  EXPECT_EQ(five.type(), ValueType::LONG);
  EXPECT_EQ(five.AsLong(), 5);
}

TEST(OperatorConcatenate, TextsAndCharactersOnly) {
  Value r;
  Concatenate(r, Value('x'), Value("yz"));
  EXPECT_STREQ(r.AsString(), "xyz");
  Value n;
  EXPECT_EQ(ErrorOf([&] { Concatenate(n, Value("a"), Long(1)); }), int(errorNumbers::TypeMismatch));
}

TEST(OperatorPower, AlwaysDouble) {
  Value r;
  Power(r, Long(2), Long(3));
  EXPECT_EQ(r.type(), ValueType::DOUBLE);
  EXPECT_EQ(r.AsDouble(), 8.0);
  Value root;
  Power(root, Long(2), Value(0.5));
  EXPECT_EQ(root.AsDouble(), 1.4142135623730951);
  Value bad;
  EXPECT_EQ(ErrorOf([&] { Power(bad, Value("2"), Long(2)); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([&] { Power(bad, Long(2), Value(true)); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([&] { Power(bad, Value('c'), Long(2)); }), int(errorNumbers::TypeMismatch));
}

TEST(OperatorNegate, InPlaceInTheOwnType) {
  Value integer = Integer(-32768);
  Negate(integer);
  EXPECT_EQ(integer.type(), ValueType::INTEGER);
  EXPECT_EQ(integer.AsLong(), -32768);
  Value byte = Byte(5);
  Negate(byte);
  EXPECT_EQ(byte.AsLong(), 251);
  Value minimum = Long(-2147483647 - 1);
  Negate(minimum);
  EXPECT_EQ(minimum.AsLong(), -2147483647 - 1);
  Value real(2.5f);
  Negate(real);
  EXPECT_EQ(real.AsReal(), -2.5f);
  for (Value* v : {new Value("a"), new Value(true), new Value('c'), new Value()}) {
    EXPECT_EQ(ErrorOf([&] { Negate(*v); }), int(errorNumbers::TypeMismatch));
    delete v;
  }
}

TEST(OperatorCompare, TheLeftTypeChoosesTheMethod) {
  EXPECT_TRUE(Less(Value("abc"), Value("abd")));
  EXPECT_FALSE(Equal(Value("ABC"), Value("abc")));
  EXPECT_TRUE(Less(Value("AB"), Value("ABC")));
  EXPECT_TRUE(Greater(Value("\xe9"), Value("z")));  // unsigned bytes
  EXPECT_TRUE(Equal(Value("H"), Value('H')));
  // An integer left reads the right side as a long: 1.5 becomes 1.
  EXPECT_TRUE(Equal(Integer(1), Value(1.5)));
  EXPECT_FALSE(Equal(Value(1.5), Integer(1)));
  EXPECT_TRUE(GreaterOrEqual(Value(1.5), Integer(1)));
  EXPECT_TRUE(Less(Long(-1), Byte(0)));
  // Characters order as signed bytes, so code 200 is below 'A'.
  EXPECT_TRUE(Less(Value(char(200)), Value('A')));
  EXPECT_TRUE(Equal(Value('H'), Value("HELLO")));
  EXPECT_TRUE(NotEqual(Value('H'), Value('h')));
}

TEST(OperatorCompare, BooleansHaveNoOrder) {
  Value t(true);
  Value f(false);
  EXPECT_FALSE(Less(f, t));
  EXPECT_FALSE(Greater(t, f));
  // The right side is not read by < and >, so its type does not matter.
  EXPECT_FALSE(Less(t, Value("x")));
  EXPECT_TRUE(LessOrEqual(t, t));
  EXPECT_FALSE(LessOrEqual(f, t));
  EXPECT_TRUE(GreaterOrEqual(f, f));
  EXPECT_TRUE(NotEqual(t, f));
  EXPECT_EQ(ErrorOf([&] { Equal(t, Long(1)); }), int(errorNumbers::TypeMismatch));
}

TEST(OperatorCompare, ErrorsByType) {
  EXPECT_EQ(ErrorOf([] { Equal(Value(), Long(1)); }), int(errorNumbers::InvalidType));
  EXPECT_EQ(ErrorOf([] { Less(Value(ValueType::OBJECT), Long(1)); }),
            int(errorNumbers::InvalidType));
  EXPECT_EQ(ErrorOf([] { Equal(Long(1), Value("1")); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([] { Equal(Value("1"), Long(1)); }), int(errorNumbers::TypeMismatch));
  EXPECT_EQ(ErrorOf([] { Equal(Value(1.0), Value(true)); }), int(errorNumbers::TypeMismatch));
}

TEST(OperatorLogic, BooleanLeftIsLogical) {
  Value left(true);
  Or(left, Long(5));  // a true left never reads the right side
  EXPECT_EQ(left.AsBoolean(), 1);
  Value falseLeft(false);
  And(falseLeft, Long(5));
  EXPECT_EQ(falseLeft.AsBoolean(), 0);
  Value trueLeft(true);
  EXPECT_EQ(ErrorOf([&] { And(trueLeft, Long(5)); }), int(errorNumbers::TypeMismatch));
  Value flag;
  flag.SetBoolean(-1);
  And(flag, Value(true));
  EXPECT_EQ(flag.AsBoolean(), 1);
  Value either(false);
  Or(either, Value(true));
  EXPECT_EQ(either.AsBoolean(), 1);
}

TEST(OperatorLogic, OtherLeftIsBitwiseInItsOwnType) {
  Value a = Long(12);
  And(a, Long(10));
  EXPECT_EQ(a.AsLong(), 8);
  Value o = Long(12);
  Or(o, Long(3));
  EXPECT_EQ(o.AsLong(), 15);
  Value integer = Integer(0);
  Or(integer, Long(0x12345));
  EXPECT_EQ(integer.type(), ValueType::INTEGER);
  EXPECT_EQ(integer.AsLong(), 0x2345);
  Value text("a");
  EXPECT_EQ(ErrorOf([&] { Or(text, Long(1)); }), int(errorNumbers::TypeMismatch));
  Value number = Long(1);
  EXPECT_EQ(ErrorOf([&] { Or(number, Value(true)); }), int(errorNumbers::TypeMismatch));
}

TEST(OperatorLogic, NotIsLogicalOnly) {
  Value t(true);
  Not(t);
  EXPECT_EQ(t.AsBoolean(), 0);
  Not(t);
  EXPECT_EQ(t.AsBoolean(), 1);
  Value number = Long(1);
  EXPECT_EQ(ErrorOf([&] { Not(number); }), int(errorNumbers::TypeMismatch));
}

TEST(OperatorMod, RemainderTakesTheDividendsSign) {
  struct Case {
    int32_t a, b, remainder;
  };
  const Case cases[] = {{7, 3, 1}, {7, -3, 1}, {-7, 3, -1}, {-2147483647 - 1, -1, 0}, {5, 5, 0}};
  for (const Case& c : cases) {
    Value left = Long(c.a);
    Mod(left, Long(c.b));
    EXPECT_EQ(left.AsLong(), c.remainder) << c.a << " MOD " << c.b;
  }
  Value fromDouble(7.9);
  Mod(fromDouble, Value(3.9));  // both sides truncate to 7 and 3
  EXPECT_EQ(fromDouble.type(), ValueType::DOUBLE);
  EXPECT_EQ(fromDouble.AsDouble(), 1.0);
  Value zero = Long(1);
  EXPECT_EQ(ErrorOf([&] { Mod(zero, Long(0)); }), int(errorNumbers::DivisionByZero));
}

}  // namespace
}  // namespace vorna
