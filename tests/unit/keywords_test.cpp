// The handlers that start-up registers for the statement and function
// keywords, and the lookups outside the table. The rows themselves come from
// the one keyword list; what scripts see of them is in the golden scripts.
#include "script/keywords.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "host/startup/language_setup.h"
#include "platform/installed_platform.h"
#include "script/interpreter.h"

namespace vorna {
namespace {

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
    const Keyword& keyword = KeywordTable()[row];
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
