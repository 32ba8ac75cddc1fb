// The statement families, each registering its handlers in the interpreter's
// statement table by keyword id.
#pragma once

namespace vorna {

class StatementTable;

/// Registers the handlers of every family below; start-up calls it once for
/// each interpreter.
void RegisterStatements(StatementTable& table);

/// CALL, DO, FOR, GOTO, IF, SELECT and the other statements that steer the
/// run, with the reserved words that raise "Functionality Not Implemented".
void RegisterControlFlowStatements(StatementTable& table);
/// DIM, REDIM, LET, LSET, RSET, OPTION.
void RegisterDeclarationStatements(StatementTable& table);
/// PRINT and WRITE.
void RegisterPrintStatements(StatementTable& table);
/// OPEN, CLOSE, RESET, GET, PUT, SEEK, INPUT.
void RegisterInputOutputStatements(StatementTable& table);
/// KILL, NAME, MKDIR, RMDIR, CHDIR, MSGBOX, BEEP, SLEEP, RANDOMIZE.
void RegisterSystemStatements(StatementTable& table);

}  // namespace vorna
