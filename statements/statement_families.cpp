#include "statements/statement_families.h"

namespace vorna {

void RegisterStatements(StatementTable& table) {
  RegisterControlFlowStatements(table);
  RegisterDeclarationStatements(table);
  RegisterPrintStatements(table);
  RegisterInputOutputStatements(table);
  RegisterSystemStatements(table);
}

}  // namespace vorna
