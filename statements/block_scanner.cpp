#include "statements/block_scanner.h"

#include <cstring>

#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/program.h"
#include "values/char_class.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// The offset of the first ":" outside literals from the cursor, or npos.
size_t NextSeparator(const char* text) {
  bool inLiteral = false;
  for (const char* p = text; *p; ++p) {
    if (*p == '"') inLiteral = !inLiteral;
    if (*p == ':' && !inLiteral) return static_cast<size_t>(p - text);
  }
  return static_cast<size_t>(-1);
}

// END SUB and END FUNCTION inside a skipped block mean that the block was
// never closed. A bare END and END CASE are ordinary statements of the block.
void RefuseProcedureEnd(StatementCursor& cursor) {
  if (cursor.MatchKeyword(KeywordId::Sub, Prefix::NotAllowed) ||
      cursor.MatchKeyword(KeywordId::Function, Prefix::NotAllowed)) {
    Raise(errorNumbers::UnterminatedBlock);
  }
}

// END IF (or ENDIF) at the cursor, consumed; false for anything else. Other
// forms of END are checked by RefuseProcedureEnd and passed over.
bool MatchEndIf(StatementCursor& cursor) {
  if (cursor.MatchKeyword(KeywordId::EndIf, Prefix::NotAllowed)) return true;
  if (!cursor.MatchKeyword(KeywordId::End, Prefix::NotAllowed)) return false;
  cursor.SkipBlanks();
  if (cursor.MatchKeyword(KeywordId::If, Prefix::NotAllowed)) return true;
  RefuseProcedureEnd(cursor);
  return false;
}

}  // namespace

bool NextStatementStart(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  size_t separator = NextSeparator(cursor.rest());
  if (separator != static_cast<size_t>(-1)) {
    cursor.Restore(cursor.Save() + separator + 1);
    return true;
  }
  ProgramLine* line = activation.currentLine;
  do {
    line = line ? static_cast<ProgramLine*>(line->next()) : nullptr;
  } while (line != nullptr && !activation.MakeCurrent(line->text()));
  activation.currentLine = line;
  if (line == nullptr) cursor.ClearStatement();
  return line != nullptr;
}

bool IsBlockIfHeader(const char* statement) {
  size_t length = std::strlen(statement);
  while (length > 0 && IsBlank(statement[length - 1])) --length;
  if (length < 4 || std::strncmp(statement + length - 4, "THEN", 4) != 0) return false;
  if (length == 4) return true;
  char before = statement[length - 5];
  return !IsLetterOrDigit(before) && before != '_';
}

void LeaveOpenIf(Activation& activation) {
  if (activation.ifDepth > 0) --activation.ifDepth;
}

// block -> { statement } closer, where a statement may open a nested block
void SkipBlock(Activation& activation, KeywordId opener, KeywordId closer) {
  activation.interpreter().CheckStack();
  StatementCursor& cursor = activation.cursor();
  // Block IFs opened and closed inside the skipped text; an END IF beyond
  // them closes an IF that the skipped block leaves.
  int32_t openIfs = 0;
  for (;;) {
    cursor.SkipBlanks();
    if (cursor.MatchKeyword(opener, Prefix::NotAllowed)) {
      SkipBlock(activation, opener, closer);
      if (activation.currentLine == nullptr) return;
    } else if (cursor.MatchKeyword(closer, Prefix::NotAllowed)) {
      return;
    } else if (MatchEndIf(cursor)) {
      if (openIfs > 0) {
        --openIfs;
      } else {
        LeaveOpenIf(activation);
      }
    } else if (cursor.MatchKeyword(KeywordId::If, Prefix::NotAllowed) &&
               IsBlockIfHeader(cursor.rest())) {
      ++openIfs;
    }
    if (!NextStatementStart(activation)) return;
  }
}

IfScanEnd SkipIfBranch(Activation& activation, bool stopAtElse) {
  activation.interpreter().CheckStack();
  StatementCursor& cursor = activation.cursor();
  for (;;) {
    cursor.SkipBlanks();
    if (cursor.MatchKeyword(KeywordId::If, Prefix::NotAllowed)) {
      // The nested condition runs, so its side effects happen.
      Value condition;
      EvaluateExpression(activation, condition);
      if (!cursor.MatchKeyword(KeywordId::Then, Prefix::NotAllowed))
        Raise(errorNumbers::IfWithoutThen);
      cursor.SkipBlanks();
      if (cursor.current() == '\0' && SkipIfBranch(activation, false) == IfScanEnd::Exhausted) {
        return IfScanEnd::Exhausted;
      }
    } else if (cursor.MatchWord("END", Prefix::Allowed)) {
      cursor.SkipBlanks();
      if (cursor.MatchKeyword(KeywordId::If, Prefix::NotAllowed)) return IfScanEnd::EndIf;
      RefuseProcedureEnd(cursor);
    } else if (stopAtElse && cursor.MatchKeyword(KeywordId::Else, Prefix::NotAllowed)) {
      ++activation.ifDepth;
      return IfScanEnd::Else;
    } else if (stopAtElse && cursor.MatchKeyword(KeywordId::ElseIf, Prefix::NotAllowed)) {
      return IfScanEnd::ElseIf;
    }
    if (!NextStatementStart(activation)) return IfScanEnd::Exhausted;
  }
}

}  // namespace vorna
