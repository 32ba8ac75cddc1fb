#include "script/keywords.h"
#include "statements/print_statement.h"
#include "statements/statement_table.h"

namespace vorna {

// PRINT and WRITE to the host output; the file statements extend them with
// the "#n," form through PrintToFileHandler.
void RegisterPrintStatements(StatementTable& table) {
  table.handlers[kw::Print] = PrintStatement;
  table.handlers[kw::Write] = PrintStatement;
}

}  // namespace vorna
