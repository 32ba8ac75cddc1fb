// The text functions: boundaries of LEFT, RIGHT, MID and INSTR, the results'
// types, the argument conventions, and texts longer than 2047 characters.
#include <gtest/gtest.h>

#include <string>

#include "tests/unit/support/evaluator_fixture.h"

namespace vorna {
namespace {

using testing::EvaluatorTest;

constexpr int kIllegalUse = int(errorNumbers::IllegalUse);
constexpr int kIllegalValue = int(errorNumbers::IllegalValue);
constexpr int kTypeMismatch = int(errorNumbers::TypeMismatch);

struct TextCase {
  const char* expression;
  const char* text;
};

struct ErrorCase {
  const char* expression;
  int error;
};

class TextFunctionsTest : public EvaluatorTest {
 protected:
  void ExpectTexts(std::initializer_list<TextCase> cases) {
    for (const TextCase& c : cases) EXPECT_EQ(Text(c.expression), c.text) << c.expression;
  }
  void ExpectErrors(std::initializer_list<ErrorCase> cases) {
    for (const ErrorCase& c : cases) EXPECT_EQ(ErrorOf(c.expression), c.error) << c.expression;
  }
  /// "[" text "]", so that blanks and empty texts show.
  std::string Bracketed(const char* expression) { return "[" + Text(expression) + "]"; }
};

TEST_F(TextFunctionsTest, LeftAndRightBoundaries) {
  ExpectTexts({{"LEFT(\"abcdef\", 2)", "ab"},
               {"RIGHT(\"abcdef\", 2)", "ef"},
               {"LEFT(\"abcdef\", 6)", "abcdef"},
               {"LEFT(\"abcdef\", 99)", "abcdef"},
               {"RIGHT(\"abcdef\", 7)", "abcdef"},
               {"LEFT$(\"abc\", 1)", "a"},
               {"RIGHT $ (\"abc\", 1)", "c"}});
  EXPECT_EQ(Bracketed("LEFT(\"abc\", 0)"), "[]");
  EXPECT_EQ(Bracketed("RIGHT(\"abc\", 0)"), "[]");
  EXPECT_EQ(Bracketed("LEFT(\"\", 3)"), "[]");
  // A count at or beyond the length copies the argument whole: a CHARACTER
  // stays a CHARACTER.
  Value result;
  Evaluate("LEFT(CHR(65), 1)", result);
  EXPECT_EQ(result.type(), ValueType::CHARACTER);
  ExpectErrors({{"LEFT(\"abc\", -1)", kIllegalValue},
                {"RIGHT(\"abc\", -1)", kIllegalValue},
                {"LEFT(5, 1)", kTypeMismatch},
                {"LEFT(\"abc\")", kIllegalUse},
                {"LEFT(\"abc\", 1, 2)", kIllegalUse},
                {"LEFT \"abc\", 1", kIllegalUse}});
}

TEST_F(TextFunctionsTest, MidBoundaries) {
  ExpectTexts({{"MID(\"abcdef\", 2, 3)", "bcd"},
               {"MID(\"abcdef\", 5, 10)", "ef"},
               {"MID(\"abcdef\", 6, 1)", "f"},
               {"MID(\"abcdef\", 3)", "cdef"},
               {"MID$(\"abcdef\", 1, 6)", "abcdef"}});
  EXPECT_EQ(Bracketed("MID(\"abcdef\", 7)"), "[]");
  EXPECT_EQ(Bracketed("MID(\"abcdef\", 3, 0)"), "[]");
  EXPECT_EQ(Bracketed("MID(\"abcdef\", 0, 0)"), "[]");
  EXPECT_EQ(Bracketed("MID(\"abcdef\", 200, 2)"), "[]");
  ExpectErrors({{"MID(\"abcdef\", 0)", kIllegalValue},
                {"MID(\"abcdef\", 0, 2)", kIllegalValue},
                {"MID(\"abcdef\", -1, 2)", kIllegalValue},
                {"MID(\"abcdef\", 2, -1)", kIllegalValue},
                {"MID(\"abcdef\")", kIllegalUse}});
}

TEST_F(TextFunctionsTest, InstrPositionsAndTypes) {
  Value found, missing, late;
  Evaluate("INSTR(\"hello\", \"l\")", found);
  EXPECT_EQ(found.type(), ValueType::LONG);
  EXPECT_EQ(found.AsLong(), 3);
  ExpectTexts({{"INSTR(4, \"hello\", \"l\")", "4"},
               {"INSTR(5, \"hello\", \"l\")", "0"},
               {"INSTR(1, \"Hello\", \"h\", 1)", "1"},
               {"INSTR(1, \"Hello\", \"h\", 0)", "0"},
               {"INSTR(\"hello\", \"\")", "1"},
               {"INSTR(3, \"hello\", \"\")", "3"},
               {"INSTR(\"hello\", \"lo\")", "4"},
               {"INSTR(\"hello\", \"hello!\")", "0"}});
  Evaluate("INSTR(\"hello\", \"z\")", missing);
  EXPECT_EQ(missing.type(), ValueType::INTEGER);
  Evaluate("INSTR(9, \"hello\", \"l\")", late);
  EXPECT_EQ(late.type(), ValueType::INTEGER);
  EXPECT_EQ(late.AsLong(), 0);
  ExpectErrors({{"INSTR(0, \"hello\", \"l\")", kIllegalUse},
                {"INSTR(-2, \"hello\", \"l\")", kIllegalValue},
                {"INSTR(1, \"hello\", \"l\", 2)", kIllegalValue},
                {"INSTR(\"hello\")", kIllegalUse},
                {"INSTR$(\"hello\", \"l\")", kIllegalUse}});
}

TEST_F(TextFunctionsTest, AscChrAndLen) {
  ExpectTexts({{"ASC(\"A\")", "65"},
               {"ASC(\"\")", "0"},
               {"ASC(CHR(200))", "-56"},
               {"ASC(CHR$(255))", "-1"},
               {"CHR(321)", "A"},
               {"LEN(\"abc\")", "3"},
               {"LEN(\"\")", "0"},
               {"LEN(CHR(65))", "1"}});
  Value code;
  Evaluate("ASC(\"A\")", code);
  EXPECT_EQ(code.type(), ValueType::INTEGER);
  ExpectErrors({{"ASC(65)", kTypeMismatch},
                {"LEN(5)", kTypeMismatch},
                {"LEN$(\"a\")", kIllegalUse},
                {"ASC(TRUE)", kTypeMismatch}});
}

TEST_F(TextFunctionsTest, CaseTrimAndSpace) {
  ExpectTexts({{"UCASE(\"abc-xyz 9\")", "ABC-XYZ 9"},
               {"LCASE$(\"ABC-XYZ 9\")", "abc-xyz 9"},
               {"LTRIM(\" \t x \")", "x "},
               {"RTRIM(\" x \t \")", " x"}});
  // Only the ASCII letters change case.
  EXPECT_EQ(Text("UCASE(CHR(233))"), std::string(1, char(233)));
  EXPECT_EQ(Bracketed("SPACE(3)"), "[   ]");
  EXPECT_EQ(Bracketed("SPACE$(0)"), "[]");
  EXPECT_EQ(Text("LEN(SPACE(2048))"), "2048");
  ExpectErrors({{"SPACE(2049)", kIllegalValue},
                {"SPACE(-1)", kIllegalValue},
                {"SPACE(\"3\")", kTypeMismatch},
                {"UCASE(1)", kTypeMismatch}});
}

TEST_F(TextFunctionsTest, TextsLongerThanTheWorkingBufferAreWorkedOnWhole) {
  auto big =
      std::make_unique<Value>((std::string(3000, 'a') + "XY" + std::string(10, ' ')).c_str());
  Declare("BIG", big.release());
  EXPECT_EQ(Text("LEN(BIG)"), "3012");
  EXPECT_EQ(Text("INSTR(BIG, \"XY\")"), "3001");
  EXPECT_EQ(Text("LEN(LEFT(BIG, 2500))"), "2500");
  EXPECT_EQ(Text("MID(BIG, 3000, 3)"), "aXY");
  EXPECT_EQ(Text("LEN(RTRIM(BIG))"), "3002");
  EXPECT_EQ(Text("RIGHT(UCASE(RTRIM(BIG)), 3)"), "AXY");
}

TEST_F(TextFunctionsTest, AFailingFunctionLeavesTheResultAsItWas) {
  Value result("before");
  EXPECT_EQ(ErrorOf("MID(\"abc\", 0)", result), kIllegalValue);
  EXPECT_STREQ(result.AsString(), "before");
}

}  // namespace
}  // namespace vorna
