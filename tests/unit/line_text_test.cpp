#include "script/line_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vorna {
namespace {

// Offset of a found position, or -1 for none.
long OffsetIn(const char* text, const char* found) {
  return found ? found - text : -1;
}

TEST(LineText, UpperCaseKeepsLiterals) {
  char line[] = "x = \"abc\" + y$ & \"d\"e";
  UpperCaseOutsideLiterals(line);
  EXPECT_STREQ(line, "X = \"abc\" + Y$ & \"d\"E");
  std::string open = "print \"abc";
  UpperCaseOutsideLiterals(open);
  EXPECT_EQ(open, "PRINT \"abc");
  std::string high = "\xe9t\xe9";  // characters above 127 stay as they are
  UpperCaseOutsideLiterals(high);
  EXPECT_EQ(high, "\xe9T\xe9");
}

TEST(LineText, FindCommentOnlyInTheFirstStatement) {
  struct Case {
    const char* text;
    long offset;
  } cases[] = {
      {"X = 1 ' note", 6},
      {"X = 1 : ' hi", -1},
      {"PRINT \"it's\" ' c", 13},
      {"PRINT \"a:b\" ' c", 12},
      {"'", 0},
      {"X = 1", -1},
      {"START: ' c", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OffsetIn(c.text, FindComment(c.text, '\'')), c.offset) << c.text;
  }
}

TEST(LineText, FindWordOutsideLiterals) {
  struct Case {
    const char* text;
    const char* word;
    long offset;
  } cases[] = {
      {"IF X THEN Y", "THEN", 5},
      {"PRINT \"THEN\" THEN", "THEN", 13},
      {"PRINT \"THEN\"", "THEN", -1},
      {"XTHEN", "THEN", 1},
      {"TTHEN", "THEN", -1},  // the T that broke the match is not tried again
      {"AAB", "AB", -1},
      {"AXAB", "AB", 2},
      {"TH\"EN\"", "THEN", -1},
      {"ABC", "", -1},
      {"", "A", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OffsetIn(c.text, FindWordOutsideLiterals(c.text, c.word)), c.offset)
        << c.text << " / " << c.word;
  }
}

TEST(LineText, StartsWithWord) {
  struct Case {
    const char* line;
    const char* word;
    bool starts;
  } cases[] = {
      {"SUB FOO", "SUB", true},        {"sub Foo", "Sub", true},    {"SUB\tFOO", "SUB", true},
      {"SUB\r", "SUB", true},          {"SUB", "SUB", false},  // runs to the end of the line
      {"SUBX FOO", "SUB", false},      {"SU FOO", "SUB", false},    {" SUB FOO", "SUB", false},
      {"FUNCTION", "FUNCTION", false}, {"\"SUB\" X", "SUB", false}, {"SUB X", "", false},
  };
  for (const Case& c : cases) {
    const char* found = StartsWithWord(c.line, c.word);
    EXPECT_EQ(found != nullptr, c.starts) << c.line << " / " << c.word;
    if (found) {
      EXPECT_EQ(found, c.line);
    }
  }
  std::string longWord(81, 'A');
  std::string line = longWord + " X";
  EXPECT_EQ(StartsWithWord(line.c_str(), longWord.c_str()), nullptr);
  longWord.pop_back();
  line = longWord + " X";
  EXPECT_NE(StartsWithWord(line.c_str(), longWord.c_str()), nullptr);
}

}  // namespace
}  // namespace vorna
