// SELECT CASE: the selector is kept as the activation's select value while
// the CASE clauses are searched statement by statement.
#include <memory>

#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/line_executor.h"
#include "statements/block_scanner.h"
#include "statements/control_flow.h"
#include "values/errors.h"
#include "values/operators.h"
#include "values/value.h"

namespace vorna {

namespace {

// Clears the select value when the SELECT statement ends, whichever way.
class SelectValueScope {
 public:
  explicit SelectValueScope(Activation& activation) : activation_(activation) {}
  ~SelectValueScope() { activation_.setSelectValue(nullptr); }
  SelectValueScope(const SelectValueScope&) = delete;
  SelectValueScope& operator=(const SelectValueScope&) = delete;

 private:
  Activation& activation_;
};

// END CASE at the cursor, consumed; END SUB and END FUNCTION are refused as
// an unterminated block. Other forms of END are passed over.
bool MatchEndCase(StatementCursor& cursor) {
  if (!cursor.MatchKeyword(KeywordId::End, Prefix::NotAllowed)) return false;
  cursor.SkipBlanks();
  if (cursor.MatchKeyword(KeywordId::Case, Prefix::NotAllowed)) return true;
  if (cursor.MatchKeyword(KeywordId::Sub, Prefix::NotAllowed) ||
      cursor.MatchKeyword(KeywordId::Function, Prefix::NotAllowed)) {
    Raise(errorNumbers::UnterminatedBlock);
  }
  return false;
}

// Skips statements to just after the END CASE that closes the current SELECT
// block; nested SELECT blocks are skipped whole.
void SkipToEndCase(Activation& activation) {
  activation.interpreter().CheckStack();
  StatementCursor& cursor = activation.cursor();
  for (;;) {
    cursor.SkipBlanks();
    if (cursor.MatchKeyword(KeywordId::Select, Prefix::NotAllowed)) {
      SkipToEndCase(activation);
      if (activation.currentLine == nullptr) return;
    } else if (MatchEndCase(cursor)) {
      return;
    }
    if (!NextStatementStart(activation)) return;
  }
}

// item -> IS comparison | expression [TO expression]
bool ItemMatches(Activation& activation, const Value& selector) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  const char* rest = cursor.rest();
  Value first;
  if (rest[0] == 'I' && rest[1] == 'S') return EvaluateCondition(activation, first);
  EvaluateExpression(activation, first);
  if (!cursor.MatchKeyword(KeywordId::To, Prefix::NotAllowed)) return Equal(selector, first);
  Value last;
  cursor.SkipBlanks();
  EvaluateExpression(activation, last);
  return (LessOrEqual(first, selector) && LessOrEqual(selector, last)) || Equal(selector, first);
}

// case -> CASE ELSE | CASE item { , item }; every item is tested in turn.
bool ClauseMatches(Activation& activation, const Value& selector) {
  StatementCursor& cursor = activation.cursor();
  if (cursor.MatchKeyword(KeywordId::Else, Prefix::NotAllowed)) return true;
  do {
    if (ItemMatches(activation, selector)) return true;
  } while (cursor.MatchChar(','));
  return false;
}

// Passes over the rest of a CASE statement whose branch is taken and runs
// the branch from the following statement on (the SELECT is over by then).
StatementEnd EnterBranch(Activation& activation) {
  activation.setSelectValue(nullptr);
  if (!NextStatementStart(activation)) return StatementEnd::Advance;
  return RunRestOfLine(activation);
}

}  // namespace

// select -> SELECT CASE selector
StatementEnd SelectStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  if (!cursor.MatchKeyword(KeywordId::Case, Prefix::NotAllowed)) Raise(errorNumbers::IllegalUse);
  auto selector = std::make_unique<Value>();
  cursor.SkipBlanks();
  EvaluateExpression(activation, *selector);
  activation.setSelectValue(std::move(selector));
  SelectValueScope clearOnEnd(activation);
  if (activation.currentLine == nullptr) return StatementEnd::Continue;
  for (;;) {
    if (!NextStatementStart(activation)) return StatementEnd::Advance;
    cursor.SkipBlanks();
    if (cursor.MatchKeyword(KeywordId::Select, Prefix::NotAllowed)) {
      SkipToEndCase(activation);
      if (activation.currentLine == nullptr) return StatementEnd::Advance;
    } else if (MatchEndCase(cursor)) {
      return StatementEnd::Continue;
    } else if (cursor.MatchKeyword(KeywordId::Case, Prefix::NotAllowed)) {
      if (ClauseMatches(activation, *activation.selectValue())) return EnterBranch(activation);
    }
  }
}

// CASE reached from a branch that ran: the SELECT block is over.
StatementEnd CaseStatement(Activation& activation) {
  SkipToEndCase(activation);
  return activation.currentLine ? StatementEnd::Continue : StatementEnd::Advance;
}

StatementEnd EndCaseStatement(Activation&) {
  return StatementEnd::Continue;
}

}  // namespace vorna
