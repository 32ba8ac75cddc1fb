// IF in its block and single-line forms, ELSE, ELSEIF, END IF and END.
#include <cstring>

#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "script/jump.h"
#include "script/keywords.h"
#include "script/line_executor.h"
#include "script/line_text.h"
#include "statements/block_scanner.h"
#include "statements/control_flow.h"
#include "values/char_class.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// "THEN label-number": the label is the text of the number's value.
StatementEnd JumpToNumberedLabel(Activation& activation) {
  Value number;
  EvaluateExpression(activation, number);
  char label[64];
  number.FormatValue(label, sizeof label);
  JumpToLabel(activation, label);
  return StatementEnd::Stay;
}

// A false single-line IF runs whatever follows the letters ELSE in the rest
// of the line (outside literals, even inside a longer word).
StatementEnd RunSingleLineElse(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  const char* rest = cursor.rest();
  const char* found = FindWordOutsideLiterals(rest, "ELSE");
  if (found == nullptr) return StatementEnd::Advance;
  cursor.Restore(cursor.Save() + static_cast<size_t>(found - rest) + 4);
  return RunRestOfLine(activation);
}

}  // namespace

// if -> IF condition THEN ( <end of line> | number | statements [ELSE statements] )
StatementEnd IfStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  Value condition;
  bool taken = EvaluateCondition(activation, condition);
  if (!cursor.MatchKeyword(KeywordId::Then, Prefix::NotAllowed)) Raise(errorNumbers::IfWithoutThen);
  cursor.SkipBlanks();
  bool blockForm = cursor.current() == '\0';
  if (taken) {
    if (blockForm) {
      ++activation.ifDepth;
      return StatementEnd::Advance;
    }
    if (IsDigit(cursor.current())) return JumpToNumberedLabel(activation);
    return RunRestOfLine(activation);
  }
  if (!blockForm) return RunSingleLineElse(activation);
  if (SkipIfBranch(activation, true) == IfScanEnd::ElseIf) return IfStatement(activation);
  return StatementEnd::Advance;
}

// The branch that ran has ended: skip to END IF.
StatementEnd ElseStatement(Activation& activation) {
  SkipIfBranch(activation, false);
  LeaveOpenIf(activation);
  return StatementEnd::Continue;
}

StatementEnd ElseIfStatement(Activation& activation) {
  if (activation.ifDepth == 0) return StatementEnd::Continue;
  return ElseStatement(activation);
}

StatementEnd EndIfStatement(Activation& activation) {
  if (activation.ifDepth == 0) Raise(errorNumbers::EndIfWithoutIf);
  --activation.ifDepth;
  return StatementEnd::Continue;
}

// end -> END [IF | CASE | SUB | FUNCTION | ...]; a bare END ends the program.
//
// A bare END ends the program wherever it stands, also inside a block IF:
// stopping from inside an IF is what END is most used for, and no block is
// left open when nothing runs after it. END SUB and END FUNCTION inside a
// block IF that is still open mean the IF was never closed.
StatementEnd EndStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  if (cursor.MatchKeyword(KeywordId::If, Prefix::NotAllowed)) return EndIfStatement(activation);
  if (cursor.MatchKeyword(KeywordId::Case, Prefix::NotAllowed)) return EndCaseStatement(activation);
  bool bare = cursor.current() == '\0';
  if (!bare && activation.ifDepth != 0) Raise(errorNumbers::UnterminatedBlock);
  activation.currentLine = nullptr;
  if (bare) activation.interpreter().stopFlag() = 1;
  return StatementEnd::Stay;
}

}  // namespace vorna
