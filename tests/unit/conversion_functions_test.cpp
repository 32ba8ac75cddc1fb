// The conversions between text and numbers: CSTR's leading blank, HEX and
// OCT of negatives, CDBL/CINT/CLNG/VAL of texts and of each type.
#include <gtest/gtest.h>

#include "tests/unit/support/evaluator_fixture.h"
#include "values/decimal_text.h"

namespace vorna {
namespace {

using testing::EvaluatorTest;

constexpr int kIllegalUse = int(errorNumbers::IllegalUse);
constexpr int kTypeMismatch = int(errorNumbers::TypeMismatch);

struct TextCase {
  const char* expression;
  const char* text;
};

TEST_F(EvaluatorTest, NumbersAsText) {
  const TextCase cases[] = {
      {"CSTR(42)", " 42"},
      {"CSTR(-42)", "-42"},
      {"CSTR(3.9)", " 3"},
      {"CSTR$(0)", " 0"},
      {"CSTR(-0.5)", " 0"},
      {"HEX(255)", "ff"},
      {"HEX(-1)", "ffffffff"},
      {"HEX$(0)", "0"},
      {"HEX(-2147483648)", "80000000"},
      {"OCT(8)", "10"},
      {"OCT(-1)", "37777777777"},
      {"OCT$(7)", "7"},
      {"CSTR(2147483647)", " 2147483647"},
      {"CSTR(-2147483648)", "-2147483648"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(Text(c.expression), c.text) << c.expression;
  EXPECT_EQ(ErrorOf("CSTR(\"4\")"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("HEX(TRUE)"), kTypeMismatch);
}

TEST_F(EvaluatorTest, TextAsNumbers) {
  const TextCase cases[] = {
      {"CDBL(\"  2.5xyz\")", "2.5"},
      {"CDBL(\"abc\")", "0"},
      {"CDBL(\"-1.5E2\")", "-150"},
      {"CDBL(\".5\")", "0.5"},
      {"CDBL(\"0x10\")", "0"},
      {"CDBL(\"inf\")", "0"},
      {"CDBL(\"1e\")", "1"},
      {"CDBL(TRUE)", "-1"},
      {"CDBL(FALSE)", "0"},
      {"CINT(\"3.9\")", "3"},
      {"CINT(\"-3.9\")", "-3"},
      {"CINT(70000)", "4464"},
      {"CINT(TRUE)", "-1"},
      {"CLNG(\"123456.7\")", "123456"},
      {"CLNG(-2.5)", "-2"},
      {"VAL(\" 12abc\")", "12"},
      {"VAL(\"\")", "0"},
      {"VAL(CHR(55))", "7"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(Text(c.expression), c.text) << c.expression;
  Value integer, longNumber, number;
  Evaluate("CINT(1)", integer);
  EXPECT_EQ(integer.type(), ValueType::INTEGER);
  Evaluate("CLNG(1)", longNumber);
  EXPECT_EQ(longNumber.type(), ValueType::LONG);
  Evaluate("VAL(\"1\")", number);
  EXPECT_EQ(number.type(), ValueType::DOUBLE);
  EXPECT_EQ(ErrorOf("CDBL(CHR(65))"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("CINT(CHR(65))"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("VAL(5)"), kTypeMismatch);
  EXPECT_EQ(ErrorOf("CDBL$(1)"), kIllegalUse);
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

TEST_F(EvaluatorTest, ReservedFunctionWords) {
  constexpr int kNotImplemented = int(errorNumbers::FunctionalityNotImplemented);
  for (const char* word :
       {"DATE", "DATE$", "TIME$", "TIME", "FILEATTR", "LOC", "SPC", "STRIG", "TAB(3)", "TAB"}) {
    EXPECT_EQ(ErrorOf(word), kNotImplemented) << word;
  }
  // ERROR, INPUT and STRING are judged by their first keyword row; SEEK is
  // in the table only as a statement.
  for (const char* word : {"ERROR(12)", "INPUT$", "STRING(3)", "SEEK"}) {
    EXPECT_EQ(ErrorOf(word), int(errorNumbers::InvalidUseOfKeyword)) << word;
  }
}

}  // namespace
}  // namespace vorna
