// The line dispatcher: the run loop of an activation hands each program line
// to ExecuteLine, which splits it into statements at ":" and runs each by its
// first word through the statement table.
#pragma once

#include "script/statement_table.h"

namespace vorna {

class Activation;

/// What the run loop does after a line: take the next line, or run whatever
/// the line made current (possibly nothing, which ends the procedure).
enum class LineOutcome { Advance, Stay };

/// Executes one program line in the activation; script errors raised by its
/// statements are handled here (ON ERROR, the error dialog).
LineOutcome ExecuteLine(Activation& activation, const char* text);

/// Runs the statements from the cursor to the end of the line, as the line
/// dispatcher does (IF runs the statements after THEN or ELSE this way).
StatementEnd RunRestOfLine(Activation& activation);

}  // namespace vorna
