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

// An operand written in a table row: a letter for its type (S R I L D B T C
// O, N for none) and its datum, e.g. "I-2" or "Sabc".
Value Make(const std::string& operand) {
  const std::string datum = operand.substr(1);
  switch (operand[0]) {
    case 'S':
      return Value(datum.c_str());
    case 'R':
      return Value(std::stof(datum));
    case 'I':
      return Value(int16_t(std::stoi(datum)));
    case 'L':
      return Value(int32_t(std::stoll(datum)));
    case 'D':
      return Value(std::stod(datum));
    case 'B':
      return Value(uint8_t(std::stoi(datum)));
    case 'T':
      return Value(datum == "1");
    case 'C':
      return Value(datum[0]);
    case 'O':
      return Value(ValueType::OBJECT);
  }
  return Value();
}

// "TYPE text" of a value; a BOOLEAN shows its stored number.
std::string Describe(const Value& value) {
  static const char* const kNames[] = {"NONE",   "STRING", "REAL",    "INTEGER",   "LONG",
                                       "DOUBLE", "BYTE",   "BOOLEAN", "CHARACTER", "OBJECT"};
  std::string text = kNames[int(value.type()) + 1];
  if (value.type() == ValueType::BOOLEAN) return text + " " + std::to_string(value.AsBoolean());
  char buffer[128];
  value.FormatValue(buffer, sizeof buffer);
  return text + " " + buffer;
}

// The description of what operation did, or "error N" for the error it raised.
template <typename Operation>
std::string Outcome(Operation operation) {
  std::string described;
  int error = ErrorOf([&] { described = operation(); });
  return error != 0 ? "error " + std::to_string(error) : described;
}

using Binary = void (*)(Value&, const Value&, const Value&);
using InPlace = void (*)(Value&, const Value&);
using Comparison = bool (*)(const Value&, const Value&);

// One row of an operator table: what the row shows, the operation, its
// operands and the outcome expected; receiver is the arithmetic result's type
// before the operation.
template <typename Operation>
struct Row {
  const char* what;
  Operation op;
  const char* left;
  const char* right;
  const char* expected;
  ValueType receiver = ValueType::NONE;
};

// Checks every row: apply describes what the row's operation did.
template <typename Operation, size_t N, typename Apply>
void ExpectRows(const Row<Operation> (&rows)[N], Apply apply) {
  for (const Row<Operation>& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(Outcome([&] { return apply(row); }), row.expected);
  }
}

// Stands for "Type Mismatch" where a row expects a promoted type.
constexpr ValueType kMismatch = ValueType(-33);

TEST(OperatorPromotion, CommonTypeByPrecedence) {
  struct Case {
    const char* left;
    const char* right;
    ValueType promoted;
  };
  const Case cases[] = {
      {"Sa", "Cb", ValueType::STRING},  {"R1", "D2", ValueType::DOUBLE},
      {"R1", "L2", ValueType::REAL},    {"I1", "L2", ValueType::LONG},
      {"B1", "I2", ValueType::INTEGER}, {"B1", "N", ValueType::BYTE},
      {"T1", "T0", ValueType::BOOLEAN}, {"N", "N", ValueType::NONE},
      {"Sa", "L1", kMismatch},          {"Cc", "N", kMismatch},
      {"T1", "L1", kMismatch},          {"T1", "N", kMismatch},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.left) + " " + c.right);
    Value a;
    Value b;
    int error = ErrorOf([&] { Promote(Make(c.left), Make(c.right), a, b); });
    if (c.promoted == kMismatch) {
      EXPECT_EQ(error, int(errorNumbers::TypeMismatch));
      continue;
    }
    EXPECT_EQ(a.type(), c.promoted);
    EXPECT_EQ(b.type(), c.promoted);
  }
}

TEST(OperatorArithmetic, ResultsTypesWidthsAndErrors) {
  const Row<Binary> cases[] = {
      // A sum or product of INTEGERs widens; into an INTEGER result it keeps 16 bits.
      {"I+I", Add, "I30000", "I30000", "LONG 60000"},
      {"I*I", Multiply, "I200", "I200", "LONG 40000"},
      {"I*I into INTEGER", Multiply, "I200", "I200", "INTEGER -25536", ValueType::INTEGER},
      {"L+L wraps", Add, "L2147483647", "L1", "LONG -2147483648"},
      {"L-L wraps", Subtract, "L-2147483648", "L1", "LONG 2147483647"},
      {"L*L wraps", Multiply, "L65536", "L65536", "LONG 0"},
      {"L/L", Divide, "L7", "L2", "LONG 3"},
      {"L/D", Divide, "L7", "D2", "DOUBLE 3.5"},
      {"-L/L", Divide, "L-7", "L2", "LONG -3"},
      // The one quotient that does not fit 32 bits wraps instead of trapping.
      {"min/-1", Divide, "L-2147483648", "L-1", "LONG -2147483648"},
      {"L/0", Divide, "L1", "L0", "error 6"},
      {"D/0", Divide, "D1.5", "D0", "error 6"},
      {"R/0", Divide, "R1.5", "R0", "error 6"},
      {"B/0", Divide, "B1", "B0", "error 6"},
      // Bytes stay bytes and wrap.
      {"B+B", Add, "B200", "B100", "BYTE 44"},
      {"B-B", Subtract, "B1", "B2", "BYTE 255"},
      {"B/B", Divide, "B255", "B2", "BYTE 127"},
      // Reals round to single precision.
      {"R+R", Add, "R0.1", "R0.2", "REAL 0.300000011920928955078125"},
      {"S+C", Add, "Sab", "Cc", "STRING abc"},
      {"S+L", Add, "Sa", "L1", "error 33"},
      {"S-S", Subtract, "Sa", "Sb", "error 33"},
      {"T+T", Add, "T1", "T1", "error 33"},
      {"N+N", Add, "N", "N", "error 33"},
      {"C+C", Add, "Ca", "Cb", "error 33"},
      // A NONE operand reads as 0 beside a number.
      {"N+L", Add, "N", "L5", "LONG 5"},
      {"C&S", Concatenate, "Cx", "Syz", "STRING xyz"},
      {"S&L", Concatenate, "Sa", "L1", "error 33"},
      // A power is always a DOUBLE.
      {"L^L", Power, "L2", "L3", "DOUBLE 8"},
      {"L^D", Power, "L2", "D0.5", "DOUBLE 1.41421356237309514547462185873883"},
      {"S^L", Power, "S2", "L2", "error 33"},
      {"L^T", Power, "L2", "T1", "error 33"},
      {"C^L", Power, "Cc", "L2", "error 33"},
  };
  ExpectRows(cases, [](const Row<Binary>& c) {
    Value result(c.receiver);
    c.op(result, Make(c.left), Make(c.right));
    return Describe(result);
  });
}

TEST(OperatorInPlace, LogicBitsModNegateAndNot) {
  const Row<InPlace> cases[] = {
      // A BOOLEAN left is logical, and a decided left never reads the right side.
      {"T OR L", Or, "T1", "L5", "BOOLEAN 1"},
      {"F AND L", And, "T0", "L5", "BOOLEAN 0"},
      {"T AND L", And, "T1", "L5", "error 33"},
      {"F OR T", Or, "T0", "T1", "BOOLEAN 1"},
      // Any other left is bitwise in its own type.
      {"L AND L", And, "L12", "L10", "LONG 8"},
      {"L OR L", Or, "L12", "L3", "LONG 15"},
      {"I OR L", Or, "I0", "L74565", "INTEGER 9029"},
      {"S OR L", Or, "Sa", "L1", "error 33"},
      {"L OR T", Or, "L1", "T1", "error 33"},
      // The remainder takes the dividend's sign.
      {"7 MOD 3", Mod, "L7", "L3", "LONG 1"},
      {"7 MOD -3", Mod, "L7", "L-3", "LONG 1"},
      {"-7 MOD 3", Mod, "L-7", "L3", "LONG -1"},
      {"min MOD -1", Mod, "L-2147483648", "L-1", "LONG 0"},
      {"5 MOD 5", Mod, "L5", "L5", "LONG 0"},
      {"D MOD D truncates both", Mod, "D7.9", "D3.9", "DOUBLE 1"},
      {"MOD 0", Mod, "L1", "L0", "error 6"},
  };
  ExpectRows(cases, [](const Row<InPlace>& c) {
    Value left = Make(c.left);
    c.op(left, Make(c.right));
    return Describe(left);
  });
  Value flag;
  flag.SetBoolean(-1);
  And(flag, Value(true));
  EXPECT_EQ(flag.AsBoolean(), 1);

  struct UnaryCase {
    void (*op)(Value&);
    const char* operand;
    const char* expected;
  };
  const UnaryCase unary[] = {
      {Negate, "I-32768", "INTEGER -32768"},
      {Negate, "B5", "BYTE 251"},
      {Negate, "L-2147483648", "LONG -2147483648"},
      {Negate, "R2.5", "REAL -2.5"},
      {Negate, "Sa", "error 33"},
      {Negate, "T1", "error 33"},
      {Negate, "Cc", "error 33"},
      {Negate, "N", "error 33"},
      {Not, "T1", "BOOLEAN 0"},
      {Not, "T0", "BOOLEAN 1"},
      {Not, "L1", "error 33"},
  };
  for (const UnaryCase& c : unary) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(Outcome([&] {
                Value value = Make(c.operand);
                c.op(value);
                return Describe(value);
              }),
              c.expected);
  }
}

TEST(OperatorCompare, TheLeftTypeChoosesTheMethod) {
  const Row<Comparison> cases[] = {
      {"abc < abd", Less, "Sabc", "Sabd", "true"},
      {"ABC = abc", Equal, "SABC", "Sabc", "false"},
      {"AB < ABC", Less, "SAB", "SABC", "true"},
      {"unsigned bytes", Greater, "S\xe9", "Sz", "true"},
      {"S = C", Equal, "SH", "CH", "true"},
      // An integer left reads the right side as a long: 1.5 becomes 1.
      {"I = D", Equal, "I1", "D1.5", "true"},
      {"D = I", Equal, "D1.5", "I1", "false"},
      {"D >= I", GreaterOrEqual, "D1.5", "I1", "true"},
      {"L < B", Less, "L-1", "B0", "true"},
      // Characters order as signed bytes, so code 200 is below 'A'.
      {"signed characters", Less, "C\xC8", "CA", "true"},
      {"C = S", Equal, "CH", "SHELLO", "true"},
      {"C <> C", NotEqual, "CH", "Ch", "true"},
      // Booleans have no order; < and > do not read the right side.
      {"F < T", Less, "T0", "T1", "false"},
      {"T > F", Greater, "T1", "T0", "false"},
      {"T < S", Less, "T1", "Sx", "false"},
      {"T <= T", LessOrEqual, "T1", "T1", "true"},
      {"F <= T", LessOrEqual, "T0", "T1", "false"},
      {"F >= F", GreaterOrEqual, "T0", "T0", "true"},
      {"T <> F", NotEqual, "T1", "T0", "true"},
      {"T = L", Equal, "T1", "L1", "error 33"},
      {"N = L", Equal, "N", "L1", "error 17"},
      {"O < L", Less, "O", "L1", "error 17"},
      {"L = S", Equal, "L1", "S1", "error 33"},
      {"S = L", Equal, "S1", "L1", "error 33"},
      {"D = T", Equal, "D1", "T1", "error 33"},
  };
  ExpectRows(cases, [](const Row<Comparison>& c) {
    return std::string(c.op(Make(c.left), Make(c.right)) ? "true" : "false");
  });
}

}  // namespace
}  // namespace vorna
