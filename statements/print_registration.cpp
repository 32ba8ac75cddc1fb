#include "script/keywords.h"
#include "script/statement_table.h"
#include "statements/print_statement.h"
#include "statements/statement_families.h"

namespace vorna {

// PRINT and WRITE, one statement: to the host output, or with "#n," to a file.
void RegisterPrintStatements(StatementTable& table) {
  table.Register(KeywordId::Print, PrintStatement);
  table.Register(KeywordId::Write, PrintStatement);
}

}  // namespace vorna
