// ExecuteLine: one program line, split into statements at ":" and each
// dispatched by its first word.
#include "script/line_executor.h"

#include <optional>

#include "script/activation.h"
#include "script/debug_stepping.h"
#include "script/error_handling.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/variables.h"
#include "values/errors.h"
#include "values/script_object.h"
#include "values/value.h"

namespace vorna {

namespace {

// name [.member ...] | name [arguments]: an object member used as a
// statement, or a call of a SUB (or FUNCTION, whose result is dropped).
StatementEnd RunNamedCall(Activation& activation, StatementCursor::Position start) {
  StatementCursor& cursor = activation.cursor();
  NameBuffer name;
  cursor.ReadName(name);
  StatementCursor::Position afterName = cursor.Save();
  if (Value* variable = ReferenceVariable(activation, name)) {
    if (variable->type() == ValueType::OBJECT && cursor.MatchChar('.')) {
      ScriptObject* object = variable->AsObject();
      if (object && object->CallStatement(activation)) return StatementEnd::Continue;
    }
    cursor.Restore(afterName);
  }
  Value ignored;
  if (!activation.interpreter().CallProcedureByName(name, ignored, &activation)) {
    cursor.Restore(start);
    Raise(errorNumbers::Syntax);
  }
  cursor.MatchChar(')');
  return StatementEnd::Continue;
}

// A statement that does not begin with a keyword: an assignment, a
// statement of an extension, an object member or a procedure call.
StatementEnd RunNonKeywordStatement(Activation& activation) {
  StatementCursor::Position start = activation.cursor().Save();
  if (activation.AssignmentTest()) {
    activation.ImplicitAssignment();
    return StatementEnd::Continue;
  }
  if (activation.interpreter().CallStatement(activation)) return StatementEnd::Continue;
  activation.cursor().Restore(start);
  return RunNamedCall(activation, start);
}

StatementEnd RunStatement(Activation& activation) {
  const Keyword* keyword = activation.cursor().ReadKeyword();
  if (keyword == nullptr) return RunNonKeywordStatement(activation);
  // MSGBOX is listed first as a function, but it is a statement too.
  if (keyword->klass != KeywordClass::Statement && keyword->id != KeywordId::MsgBox) {
    Raise(errorNumbers::InvalidUseOfKeyword);
  }
  return activation.interpreter().statements().Run(keyword->id, activation);
}

}  // namespace

StatementEnd RunRestOfLine(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  for (;;) {
    while (cursor.MatchChar(':')) {
    }
    cursor.SkipBlanks();
    if (cursor.current() == '\0') return StatementEnd::Advance;
    StatementEnd end = RunStatement(activation);
    if (end != StatementEnd::Continue) return end;
    cursor.SkipBlanks();
    if (cursor.current() != ':') return StatementEnd::Advance;
  }
}

LineOutcome ExecuteLine(Activation& activation, const char* text) {
  Interpreter& interpreter = activation.interpreter();
  ++interpreter.executedLines;
  activation.BeforeStatement();
  try {
    // While stepping, the debugger hears of the line first and may skip it,
    // run it itself, or have another line run in its place.
    if (interpreter.steppingFlag != 0) {
      if (std::optional<LineOutcome> settled = ObeyDebugger(activation, &text)) return *settled;
    }
    if (!activation.MakeCurrent(text)) return LineOutcome::Advance;
    StatementEnd end = RunRestOfLine(activation);
    return end == StatementEnd::Stay ? LineOutcome::Stay : LineOutcome::Advance;
  } catch (errorNumbers number) {
    return HandleLineError(activation, number);
  } catch (const InternalError& error) {
    ReportTextError(activation, error.text);
    return LineOutcome::Stay;
  }
}

}  // namespace vorna
