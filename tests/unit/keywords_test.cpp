// The keyword table's lookups, and the handlers that start-up registers for
// its statement and function keywords. The rows themselves come from the one
// keyword list; the table's fixed shape (146 rows, the end marker's id 137,
// ids up to 140) is checked where the table is built.
#include "script/keywords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "host/startup/language_setup.h"
#include "platform/installed_platform.h"
#include "script/interpreter.h"

namespace vorna {
namespace {

const Keyword& Row(int row) {
  return KeywordTable()[row];
}

// The first row that carries the name of row.
int FirstRowNamed(int row) {
  int first = 0;
  while (std::strcmp(Row(first).name, Row(row).name) != 0) ++first;
  return first;
}

TEST(KeywordTable, EveryNameAndIdAnswersItsFirstRow) {
  int doubled = 0;
  for (int row = 0; row < kKeywordCount; ++row) {
    SCOPED_TRACE(Row(row).name);
    const Keyword* first = &Row(FirstRowNamed(row));
    EXPECT_EQ(FindKeywordByName(Row(row).name), first);
    EXPECT_EQ(FindKeywordById(Row(row).id), first);
    if (first != &Row(row)) {
      // The second row of a doubled name follows the first, with another class.
      EXPECT_EQ(first + 1, &Row(row));
      EXPECT_NE(first->klass, Row(row).klass);
      ++doubled;
    }
  }
  EXPECT_EQ(doubled, 6);
  const Keyword& end = Row(kKeywordCount);
  EXPECT_STREQ(end.name, "");
  EXPECT_EQ(end.klass, KeywordClass::TypeName);
  EXPECT_EQ(end.id, KeywordId::EndOfTable);
}

TEST(KeywordTable, DoubledNamesAnswerTheRowScriptsSee) {
  EXPECT_EQ(FindKeywordByName("ERROR")->klass, KeywordClass::Clause);
  EXPECT_EQ(FindKeywordByName("INPUT")->klass, KeywordClass::Statement);
  EXPECT_EQ(FindKeywordByName("MSGBOX")->klass, KeywordClass::Function);
  EXPECT_EQ(FindKeywordByName("ON")->klass, KeywordClass::Statement);
  EXPECT_EQ(FindKeywordByName("RESUME")->klass, KeywordClass::Clause);
  EXPECT_EQ(FindKeywordByName("STRING")->klass, KeywordClass::TypeName);
}

TEST(KeywordTable, LookupsAnswerNothingOutsideTheTable) {
  for (const char* name : {"print", "Print", "PRIN", "PRINTX", "_PRINT", "\xC9", ""}) {
    EXPECT_EQ(FindKeywordByName(name), nullptr) << name;
  }
  EXPECT_EQ(FindKeywordById(KeywordId::EndOfTable), nullptr);
  EXPECT_EQ(FindKeywordById(KeywordId{-1}), nullptr);
  EXPECT_EQ(FindKeywordById(KeywordId{kKeywordIdCount}), nullptr);
}

TEST(KeywordHandlers, EveryStatementAndFunctionKeywordHasExactlyOneHandler) {
  Interpreter interpreter(platform::Current());
  // A keyword registered twice would throw here.
  ASSERT_NO_THROW(RegisterKeywords(interpreter));
  for (int row = 0; row < kKeywordCount; ++row) {
    const Keyword& keyword = Row(row);
    SCOPED_TRACE(keyword.name);
    if (keyword.klass == KeywordClass::Statement) {
      EXPECT_NE(interpreter.statements().Find(keyword.id), nullptr);
    }
    if (keyword.klass == KeywordClass::Function) {
      EXPECT_NE(interpreter.functions().Find(keyword.id), nullptr);
    }
  }
}

StatementEnd AnyStatement(Activation&) {
  return StatementEnd::Continue;
}

void AnyFunction(Activation&, Value&) {}

TEST(KeywordHandlers, RegistrationRefusesASecondHandlerAndTheWrongClass) {
  StatementTable statements;
  statements.Register(KeywordId::Print, AnyStatement);
  EXPECT_THROW(statements.Register(KeywordId::Print, AnyStatement), std::logic_error);
  EXPECT_THROW(statements.Register(KeywordId::Then, AnyStatement), std::logic_error);
  // MSGBOX is a statement and a function, each with a handler of its own.
  statements.Register(KeywordId::MsgBox, AnyStatement);
  FunctionTable functions;
  functions.Register(KeywordId::MsgBox, AnyFunction);
  EXPECT_THROW(functions.Register(KeywordId::MsgBox, AnyFunction), std::logic_error);
  EXPECT_THROW(functions.Register(KeywordId::Print, AnyFunction), std::logic_error);
}

}  // namespace
}  // namespace vorna
