#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/print_statement.h"

namespace vorna {

// PRINT and WRITE to the host output; the file statements extend them with
// the "#n," form through PrintToFileHandler.
void RegisterPrintStatements(StatementTable& table) {
  table.handlers[kw::Print] = PrintStatement;
  table.handlers[kw::Write] = PrintStatement;
}

}  // namespace vorna
