#include "script/statement_cursor.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/support/error_of.h"
#include "values/errors.h"

namespace vorna {
namespace {

using testing::ErrorOf;

StatementCursor At(const char* text) {
  StatementCursor cursor;
  cursor.SetStatement(text);
  return cursor;
}

TEST(StatementCursor, StartsWithoutAStatement) {
  StatementCursor cursor;
  EXPECT_FALSE(cursor.hasStatement());
  EXPECT_EQ(cursor.text(), "LINE");
  EXPECT_EQ(cursor.current(), '\0');
  EXPECT_FALSE(cursor.MatchChar('L'));
  EXPECT_FALSE(cursor.MatchWord("LINE", Prefix::Allowed));
  EXPECT_EQ(ErrorOf([&] { cursor.Advance(); }), 36);
  NameBuffer name;
  EXPECT_EQ(cursor.ReadName(name), 0u);
  EXPECT_EQ(cursor.ReadKeyword(), nullptr);
}

TEST(StatementCursor, SetStatementCopiesAndUpperCasesOutsideLiterals) {
  std::string line = "x = \"abc\" + y";
  StatementCursor cursor;
  cursor.SetStatement(line.c_str());
  line[0] = 'z';
  EXPECT_EQ(cursor.text(), "X = \"abc\" + Y");
  EXPECT_EQ(cursor.current(), 'X');
  cursor.ClearStatement();
  EXPECT_FALSE(cursor.hasStatement());
  EXPECT_EQ(cursor.current(), '\0');
}

TEST(StatementCursor, LoadStatementSkipsBlanksAndTellsWhetherAnythingIsLeft) {
  StatementCursor cursor;
  EXPECT_FALSE(cursor.LoadStatement(nullptr));
  EXPECT_FALSE(cursor.LoadStatement(""));
  EXPECT_FALSE(cursor.hasStatement());
  EXPECT_FALSE(cursor.LoadStatement(" \t "));
  EXPECT_TRUE(cursor.hasStatement());
  EXPECT_TRUE(cursor.LoadStatement("  let x"));
  EXPECT_EQ(cursor.current(), 'L');
  EXPECT_STREQ(cursor.rest(), "LET X");
}

TEST(StatementCursor, AdvanceRaisesAtTheEnd) {
  StatementCursor cursor = At("AB");
  EXPECT_EQ(cursor.Take(), 'A');
  EXPECT_EQ(cursor.Take(), 'B');
  EXPECT_EQ(cursor.current(), '\0');
  EXPECT_EQ(ErrorOf([&] { cursor.Advance(); }), 36);
  EXPECT_EQ(ErrorOf([&] { cursor.Take(); }), 36);
}

TEST(StatementCursor, MatchCharSkipsBlanksAndMovesNothingOnNo) {
  StatementCursor cursor = At(" \t( X");
  EXPECT_FALSE(cursor.MatchChar(')'));
  EXPECT_EQ(cursor.current(), '(');  // only the blanks were skipped
  EXPECT_TRUE(cursor.MatchChar('('));
  EXPECT_EQ(cursor.current(), ' ');
  EXPECT_EQ(ErrorOf([&] { cursor.ExpectChar(','); }), 13);
  EXPECT_EQ(ErrorOf([&] { cursor.ExpectChar('X'); }), 0);
  EXPECT_EQ(cursor.current(), '\0');
  EXPECT_FALSE(cursor.MatchChar('\0'));
}

TEST(StatementCursor, MatchWordBoundaries) {
  struct Case {
    const char* text;
    Prefix prefix;
    bool matches;
    char after;
  } cases[] = {
      {"FOR I", Prefix::NotAllowed, true, ' '},      {"FORM", Prefix::NotAllowed, false, 'F'},
      {"FORM", Prefix::Allowed, true, 'M'},          {"FOR(", Prefix::NotAllowed, true, '('},
      {"FOR:", Prefix::NotAllowed, true, ':'},       {"FOR_X", Prefix::NotAllowed, true, '_'},
      {"FOR", Prefix::NotAllowed, true, '\0'},       {"FO", Prefix::Allowed, false, 'F'},
      {"  FOR1", Prefix::NotAllowed, false, 'F'},    {"\tFOR\t", Prefix::NotAllowed, true, '\t'},
      {"FOR\xC9", Prefix::NotAllowed, true, '\xC9'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    StatementCursor cursor = At(c.text);
    EXPECT_EQ(cursor.MatchWord("for", c.prefix), c.matches);
    EXPECT_EQ(cursor.current(), c.after);
  }
}

TEST(StatementCursor, MatchKeywordUsesTheFirstRowOfTheId) {
  StatementCursor cursor = At("THEN X");
  EXPECT_FALSE(cursor.MatchKeyword(KeywordId::To, Prefix::NotAllowed));
  EXPECT_TRUE(cursor.MatchKeyword(KeywordId::Then, Prefix::NotAllowed));
  EXPECT_FALSE(cursor.MatchKeyword(KeywordId::EndOfTable, Prefix::Allowed));
  EXPECT_FALSE(cursor.MatchKeyword(KeywordId{-1}, Prefix::Allowed));
  EXPECT_TRUE(cursor.MatchWord("X", Prefix::NotAllowed));
}

TEST(StatementCursor, ReadKeywordRestoresTheCursorOnANonKeyword) {
  StatementCursor cursor = At("  PRINTX");
  EXPECT_EQ(cursor.ReadKeyword(), nullptr);
  EXPECT_EQ(cursor.Save(), 0u);
  EXPECT_EQ(cursor.current(), ' ');

  cursor.SetStatement(" print \"a\"");
  const Keyword* keyword = cursor.ReadKeyword();
  ASSERT_NE(keyword, nullptr);
  EXPECT_EQ(keyword->id, KeywordId::Print);
  EXPECT_EQ(cursor.current(), ' ');

  cursor.SetStatement("string$");
  keyword = cursor.ReadKeyword();
  ASSERT_NE(keyword, nullptr);
  EXPECT_EQ(keyword->klass, KeywordClass::TypeName);
  EXPECT_EQ(cursor.current(), '$');

  cursor.SetStatement("   ");
  EXPECT_EQ(cursor.ReadKeyword(), nullptr);
}

TEST(StatementCursor, ReadNameOf32And33Characters) {
  const std::string name32(32, 'A');
  StatementCursor cursor = At((name32 + " = 1").c_str());
  NameBuffer name;
  EXPECT_EQ(cursor.ReadName(name), 32u);
  EXPECT_EQ(name, name32);
  EXPECT_EQ(cursor.current(), ' ');

  cursor.SetStatement((name32 + "B = 1").c_str());
  EXPECT_EQ(ErrorOf([&] { cursor.ReadName(name); }), 43);
}

TEST(StatementCursor, ReadNameTakesAnyFirstCharacterThenWordCharacters) {
  NameBuffer name;
  StatementCursor cursor = At("  A_1.B");
  EXPECT_EQ(cursor.ReadName(name), 3u);
  EXPECT_STREQ(name, "A_1");
  EXPECT_EQ(cursor.current(), '.');
  EXPECT_EQ(cursor.ReadName(name), 2u);
  EXPECT_STREQ(name, ".B");
  EXPECT_EQ(cursor.ReadName(name), 0u);
  EXPECT_STREQ(name, "");
  cursor.SetStatement("(X");
  EXPECT_EQ(cursor.ReadName(name), 2u);
  EXPECT_STREQ(name, "(X");
  cursor.SetStatement("A\xC9");
  EXPECT_EQ(cursor.ReadName(name), 1u);
}

TEST(StatementCursor, ReadStringLiteral) {
  struct Case {
    const char* text;
    const char* value;
    char after;
  } cases[] = {
      {"\"A\"\"B\"", "A\"B", '\0'}, {"\"\"", "", '\0'},
      {"\"\" + X", "", ' '},        {"\"Mixed Case\":", "Mixed Case", ':'},
      {"\"\"\"\"", "\"", '\0'},     {"ABC\",", "ABC", ','},  // the opening quote is optional
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    StatementCursor cursor = At(c.text);
    LiteralBuffer literal;
    EXPECT_EQ(cursor.ReadStringLiteral(literal), std::string(c.value).size());
    EXPECT_STREQ(literal, c.value);
    EXPECT_EQ(cursor.current(), c.after);
  }
}

TEST(StatementCursor, ReadStringLiteralFailures) {
  LiteralBuffer literal;
  StatementCursor cursor = At("\"ABC");
  EXPECT_EQ(ErrorOf([&] { cursor.ReadStringLiteral(literal); }), 40);
  cursor.SetStatement("\"AB\"\"");
  EXPECT_EQ(ErrorOf([&] { cursor.ReadStringLiteral(literal); }), 40);

  std::string longest = "\"" + std::string(kMaxLiteralLength, 'x') + "\"";
  cursor.SetStatement(longest.c_str());
  EXPECT_EQ(cursor.ReadStringLiteral(literal), kMaxLiteralLength);
  std::string tooLong = "\"" + std::string(2048, 'x') + "\"";
  cursor.SetStatement(tooLong.c_str());
  EXPECT_EQ(ErrorOf([&] { cursor.ReadStringLiteral(literal); }), 31);
  std::string farTooLong = "\"" + std::string(5000, '"') + "\"";
  cursor.SetStatement(farTooLong.c_str());
  EXPECT_EQ(ErrorOf([&] { cursor.ReadStringLiteral(literal); }), 31);
}

TEST(StatementCursor, SaveAndRestore) {
  StatementCursor cursor = At("GOTO LABEL");
  ASSERT_TRUE(cursor.MatchWord("GOTO", Prefix::NotAllowed));
  StatementCursor::Position mark = cursor.Save();
  NameBuffer name;
  cursor.ReadName(name);
  EXPECT_EQ(cursor.current(), '\0');
  cursor.Restore(mark);
  EXPECT_EQ(cursor.current(), ' ');
  EXPECT_STREQ(cursor.rest(), " LABEL");
  cursor.Restore(1000);  // clamped to the end of the text
  EXPECT_EQ(cursor.current(), '\0');
  EXPECT_STREQ(cursor.rest(), "");
  cursor.Restore(StatementCursor::kNoStatement);
  EXPECT_FALSE(cursor.hasStatement());
}

}  // namespace
}  // namespace vorna
