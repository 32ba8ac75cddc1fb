// The statement table: one handler per statement keyword.
//
// The table belongs to the interpreter and starts empty. The layers above the
// engine fill it at start-up: the statement families register theirs, the
// install services CREATELINK and SETREGISTRY. The line dispatcher therefore
// knows none of them, and a keyword that would get a second handler stops the
// registration.
#pragma once

#include "script/dispatch_table.h"

namespace vorna {

class Activation;

/// How a statement hands control back to the line dispatcher.
enum class StatementEnd {
  Continue,  // the statement is complete: go on at a following ":" or end the line (advance)
  Advance,   // the line is finished: the run loop takes the next line
  Stay,      // the handler chose the current line itself (or ended the procedure)
};

/// Runs one statement whose keyword the dispatcher has already read; it parses
/// its own operands from the activation's cursor and leaves the cursor after them.
using StatementHandler = StatementEnd (*)(Activation& activation);

class StatementTable : public DispatchTable<StatementHandler, KeywordClass::Statement> {
 public:
  /// Runs the handler of id; a keyword without one raises "Functionality Not
  /// Implemented".
  StatementEnd Run(KeywordId id, Activation& activation) const;
};

}  // namespace vorna
