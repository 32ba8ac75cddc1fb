// The statement table: one handler per statement keyword id.
//
// Each statement family (control flow, declarations, input/output, system
// statements) registers its handlers in its own registration function, so the
// dispatcher knows nothing of the families and a family is added without
// touching the others.
#pragma once

#include <cstdint>

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

/// Statement keyword ids run from 0 to 140 (CREATELINK 138, SETREGISTRY 140).
constexpr int32_t kStatementTableSize = 141;

struct StatementTable {
  /// nullptr where an id has no handler.
  StatementHandler handlers[kStatementTableSize] = {};
};

/// The families' registration functions, each in its family's own source.
void RegisterControlFlowStatements(StatementTable& table);
void RegisterDeclarationStatements(StatementTable& table);
void RegisterPrintStatements(StatementTable& table);
void RegisterInputOutputStatements(StatementTable& table);
void RegisterSystemStatements(StatementTable& table);

/// The one table of the process, filled by every family on first use.
const StatementTable& TheStatementTable();

/// The handler registered for a statement keyword id, or nullptr.
StatementHandler FindStatementHandler(int32_t id);

}  // namespace vorna
