// The conversion tables of values: every typed write into every type and
// every typed read out of every type, with wrap-around and "Type Mismatch";
// the longest leading decimal number of a text, as the conversions from text
// read it (what scripts see of them is in functions/conversions.bas).
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "tests/unit/support/test_object.h"
#include "values/decimal_text.h"
#include "values/errors.h"
#include "values/format_number.h"
#include "values/value.h"

namespace vorna {
namespace {

using testing::NoteObject;

// The value's text, or "!" when the operation raised "Type Mismatch".
std::string Outcome(const std::function<std::string()>& operation) {
  try {
    return operation();
  } catch (errorNumbers number) {
    return number == errorNumbers::TypeMismatch ? "!" : "error " + std::to_string(int(number));
  }
}

std::string Text(const Value& value) {
  char buffer[2048];
  value.FormatValue(buffer, sizeof buffer);
  return buffer;
}

// A value of the given type as a declaration makes it.
void Declare(Value& value, ValueType type) {
  value.Release();
  if (type == ValueType::OBJECT) {
    value.SetObject(new NoteObject);
  } else if (type != ValueType::NONE) {
    Value declared(type);
    Assign(value, declared);
  }
}

using Write = std::function<void(Value&)>;

struct WriteColumn {
  const char* name;
  Write write;
};

// One fixed datum per setter, chosen to show truncation and wrap-around.
const WriteColumn kSetters[] = {
    {"SetString(HELLO)", [](Value& v) { v.SetString("HELLO"); }},
    {"SetReal(-2.75)", [](Value& v) { v.SetReal(-2.75f); }},
    {"SetInteger(-2)", [](Value& v) { v.SetInteger(-2); }},
    {"SetLong(70000)", [](Value& v) { v.SetLong(70000); }},
    {"SetDouble(-2.9)", [](Value& v) { v.SetDouble(-2.9); }},
    {"SetByte(200)", [](Value& v) { v.SetByte(200); }},
    {"SetBoolean(-1)", [](Value& v) { v.SetBoolean(-1); }},
    {"SetCharacter(Q)", [](Value& v) { v.SetCharacter('Q'); }},
};

struct WriteRow {
  ValueType target;
  const char* fixedType;  // the type after a write on NONE, else the target
  const char* expected[8];
};

constexpr const char* kDouble29 = "-2.89999999999999991118215802998748";
constexpr const char* kReal29 = "-2.900000095367431640625";

const WriteRow kWriteTable[] = {
    {ValueType::STRING, nullptr, {"HELLO", "!", "!", "!", "!", "!", "!", "!"}},
    {ValueType::REAL, nullptr, {"!", "-2.75", "-2", "70000", kReal29, "200", "!", "!"}},
    {ValueType::INTEGER, nullptr, {"!", "-2", "-2", "4464", "-2", "200", "!", "!"}},
    {ValueType::LONG, nullptr, {"!", "-2", "-2", "70000", "-2", "200", "!", "!"}},
    {ValueType::DOUBLE, nullptr, {"!", "-2.75", "-2", "70000", kDouble29, "200", "!", "!"}},
    {ValueType::BYTE, nullptr, {"!", "254", "254", "112", "254", "200", "!", "!"}},
    {ValueType::BOOLEAN, nullptr, {"!", "!", "!", "!", "!", "!", "true", "!"}},
    {ValueType::CHARACTER, nullptr, {"H", "!", "!", "p", "!", "!", "!", "Q"}},
    {ValueType::OBJECT, nullptr, {"!", "!", "!", "!", "!", "!", "!", "!"}},
    {ValueType::NONE, nullptr, {"HELLO", "-2.75", "-2", "70000", kDouble29, "200", "true", "Q"}},
};

const ValueType kTypeFixedBySetter[] = {ValueType::STRING,  ValueType::REAL,     ValueType::INTEGER,
                                        ValueType::LONG,    ValueType::DOUBLE,   ValueType::BYTE,
                                        ValueType::BOOLEAN, ValueType::CHARACTER};

TEST(ValueWrites, EverySetterIntoEveryType) {
  for (const WriteRow& row : kWriteTable) {
    for (int column = 0; column < 8; ++column) {
      Value value;
      Declare(value, row.target);
      std::string got = Outcome([&] {
        kSetters[column].write(value);
        return Text(value);
      });
      EXPECT_EQ(got, row.expected[column])
          << "type " << int(row.target) << " " << kSetters[column].name;
      ValueType expectedType =
          row.target == ValueType::NONE ? kTypeFixedBySetter[column] : row.target;
      EXPECT_EQ(value.type(), expectedType)
          << "type " << int(row.target) << " " << kSetters[column].name;
    }
  }
}

struct WrapCase {
  ValueType target;
  Write write;
  const char* expected;
};

TEST(ValueWrites, OutOfRangeNumbersWrapToTheTargetWidth) {
  const WrapCase cases[] = {
      {ValueType::INTEGER, [](Value& v) { v.SetLong(32768); }, "-32768"},
      {ValueType::BYTE, [](Value& v) { v.SetLong(300); }, "44"},
      {ValueType::BYTE, [](Value& v) { v.SetLong(-1); }, "255"},
      {ValueType::BYTE, [](Value& v) { v.SetDouble(511.99); }, "255"},
      {ValueType::LONG, [](Value& v) { v.SetDouble(2.9); }, "2"},
      // Truncation goes through 64 bits: 3e9 keeps its low 32 bits.
      {ValueType::LONG, [](Value& v) { v.SetDouble(3e9); }, "-1294967296"},
      {ValueType::INTEGER, [](Value& v) { v.SetDouble(3e9); }, "24064"},
      // Beyond 64 bits, and NaN, give the machine's indefinite integer (low bits 0).
      {ValueType::LONG, [](Value& v) { v.SetDouble(1e30); }, "0"},
      {ValueType::LONG, [](Value& v) { v.SetDouble(std::numeric_limits<double>::quiet_NaN()); },
       "0"},
      {ValueType::REAL, [](Value& v) { v.SetLong(16777217); }, "16777216"},
      {ValueType::REAL, [](Value& v) { v.SetDouble(0.1); }, "0.100000001490116119384765625"},
      {ValueType::CHARACTER, [](Value& v) { v.SetLong(65 + 256); }, "A"},
      {ValueType::CHARACTER, [](Value& v) { v.SetString(""); }, ""},
  };
  for (const WrapCase& c : cases) {
    Value value;
    Declare(value, c.target);
    c.write(value);
    EXPECT_EQ(Text(value), c.expected) << int(c.target);
  }
}

enum class Getter { Real, Integer, Long, Double, Byte, String, Character, Boolean };

std::string Read(const Value& value, Getter getter) {
  return Outcome([&]() -> std::string {
    switch (getter) {
      case Getter::Real:
        return FormatNumber(value.AsReal());
      case Getter::Integer:
        return std::to_string(value.AsInteger());
      case Getter::Long:
        return std::to_string(value.AsLong());
      case Getter::Double:
        return FormatNumber(value.AsDouble());
      case Getter::Byte:
        return std::to_string(value.AsByte());
      case Getter::String:
        return value.AsString();
      case Getter::Character:
        return std::string(1, value.AsCharacter());
      case Getter::Boolean:
        return std::to_string(value.AsBoolean());
    }
    return "?";
  });
}

struct ReadRow {
  const char* source;
  std::function<void(Value&)> make;
  const char*
      expected[8];  // AsReal AsInteger AsLong AsDouble AsByte AsString AsCharacter AsBoolean
};

TEST(ValueReads, EveryGetterOutOfEveryType) {
  const ReadRow rows[] = {
      {"REAL 70000.9",
       [](Value& v) { v.SetReal(70000.9f); },
       {"70000.8984375", "4464", "70000", "70000.8984375", "112", "!", "!", "!"}},
      {"INTEGER -2",
       [](Value& v) { v.SetInteger(-2); },
       {"-2", "-2", "-2", "-2", "254", "!", "!", "!"}},
      {"LONG 16777217",
       [](Value& v) { v.SetLong(16777217); },
       {"16777216", "1", "16777217", "16777217", "1", "!", "!", "!"}},
      {"DOUBLE -2.9",
       [](Value& v) { v.SetDouble(-2.9); },
       {kReal29, "-2", "-2", kDouble29, "254", "!", "!", "!"}},
      {"DOUBLE 3e9",
       [](Value& v) { v.SetDouble(3e9); },
       {"3000000000", "24064", "-1294967296", "3000000000", "0", "!", "!", "!"}},
      {"BYTE 200",
       [](Value& v) { v.SetByte(200); },
       {"200", "200", "200", "200", "200", "!", "!", "!"}},
      {"STRING HELLO",
       [](Value& v) { v.SetString("HELLO"); },
       {"!", "!", "!", "!", "!", "HELLO", "H", "!"}},
      {"STRING empty", [](Value& v) { v.SetString(""); }, {"!", "!", "!", "!", "!", "", "", "!"}},
      {"BOOLEAN -1", [](Value& v) { v.SetBoolean(-1); }, {"!", "!", "!", "!", "!", "!", "!", "-1"}},
      {"CHARACTER Z",
       [](Value& v) { v.SetCharacter('Z'); },
       {"!", "!", "!", "!", "!", "Z", "Z", "!"}},
      {"NONE", [](Value&) {}, {"0", "0", "0", "0", "0", "!", "!", "!"}},
      {"OBJECT",
       [](Value& v) { v.SetObject(new NoteObject); },
       {"0", "0", "0", "0", "0", "!", "!", "!"}},
  };
  for (const ReadRow& row : rows) {
    Value value;
    row.make(value);
    for (int getter = 0; getter < 8; ++getter) {
      std::string expected = row.expected[getter];
      if (getter == int(Getter::Character) && expected.empty()) expected = std::string(1, '\0');
      EXPECT_EQ(Read(value, Getter(getter)), expected) << row.source << " getter " << getter;
    }
  }
}

// The write table shows the first write fixing the type.
TEST(ValueTypes, ARefusedWriteKeepsTheValueAndReleaseClearsTheType) {
  Value value(int32_t{2});
  EXPECT_THROW(value.SetBoolean(1), errorNumbers);
  EXPECT_EQ(value.AsLong(), 2);
  value.Release();
  EXPECT_EQ(value.type(), ValueType::NONE);
  value.SetBoolean(1);
  EXPECT_EQ(value.type(), ValueType::BOOLEAN);
  EXPECT_THROW(value.SetLong(1), errorNumbers);
}

TEST(ValueTypes, ObjectsAreOwnedAndReplaced) {
  int before = NoteObject::live;
  {
    Value value;
    value.SetObject(new NoteObject);
    EXPECT_EQ(NoteObject::live, before + 1);
    value.SetObject(new NoteObject);
    EXPECT_EQ(NoteObject::live, before + 1);
    Value number(int32_t{3});
    // A refused object is still destroyed rather than leaked.
    EXPECT_THROW(number.SetObject(new NoteObject), errorNumbers);
    EXPECT_EQ(NoteObject::live, before + 1);
  }
  EXPECT_EQ(NoteObject::live, before);
}

TEST(DecimalTextTest, LongestLeadingNumber) {
  EXPECT_EQ(ReadDecimal("12.5e1x"), 125.0);
  EXPECT_EQ(ReadDecimal("\t\n -7."), -7.0);
  EXPECT_EQ(ReadDecimal("-.25"), -0.25);
  EXPECT_EQ(ReadDecimal("+"), 0.0);
  EXPECT_EQ(ReadDecimal("."), 0.0);
  EXPECT_EQ(ReadDecimal("nan"), 0.0);
  EXPECT_EQ(ReadDecimal("3e+"), 3.0);
  EXPECT_EQ(ReadWholeDecimal(" -42.9"), -42);
  EXPECT_EQ(ReadWholeDecimal("+7x"), 7);
  EXPECT_EQ(ReadWholeDecimal("x7"), 0);
  // Past 64 bits the number wraps instead of overflowing.
  EXPECT_EQ(ReadWholeDecimal("18446744073709551617"), 1);
}

}  // namespace
}  // namespace vorna
