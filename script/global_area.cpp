// A module's global area: the lines before its first procedure, which may
// only declare (DIM) the module's global variables.
#include "script/activation.h"
#include "script/error_handling.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/line_executor.h"
#include "script/program.h"
#include "values/errors.h"

namespace vorna {

namespace {

// globalLine -> DIM ... { ":" DIM ... } | SUB ... | FUNCTION ...
LineOutcome ExecuteGlobalLine(Activation& activation, const char* text) {
  if (!activation.MakeCurrent(text)) return LineOutcome::Advance;
  StatementCursor& cursor = activation.cursor();
  for (;;) {
    while (cursor.MatchChar(':')) {
    }
    cursor.SkipBlanks();
    if (cursor.current() == '\0') return LineOutcome::Advance;
    const Keyword* keyword = cursor.ReadKeyword();
    if (keyword == nullptr || keyword->klass != KeywordClass::Statement) {
      Raise(errorNumbers::NotDeclarativeInGlobalArea);
    }
    if (keyword->id == KeywordId::Function || keyword->id == KeywordId::Sub) {
      // The first procedure ends the global area.
      activation.currentLine = nullptr;
      return LineOutcome::Stay;
    }
    if (keyword->id != KeywordId::Dim) Raise(errorNumbers::NotDeclarativeInGlobalArea);
    activation.interpreter().statements().Run(KeywordId::Dim, activation);
    cursor.SkipBlanks();
    if (cursor.current() != ':') return LineOutcome::Advance;
  }
}

}  // namespace

bool Activation::RunGlobalArea() {
  UseGlobalsAsLocals();
  currentLine = module ? static_cast<ProgramLine*>(module->top().head()) : nullptr;
  for (;;) {
    if (currentLine == nullptr || interpreter_.stopped()) return true;
    try {
      if (ExecuteGlobalLine(*this, currentLine->text()) == LineOutcome::Advance) {
        currentLine = static_cast<ProgramLine*>(currentLine->next());
      }
    } catch (errorNumbers number) {
      // Abort and Ignore skip the rest of this global area; Retry and Debug
      // make it fail.
      RecordError(*this, static_cast<int32_t>(number));
      return ShowErrorDialog(*this) == LineOutcome::Advance;
    } catch (const InternalError& error) {
      ReportTextError(*this, error.text);
      return false;
    }
  }
}

}  // namespace vorna
