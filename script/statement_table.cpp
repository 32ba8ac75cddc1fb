#include "script/statement_table.h"

namespace vorna {

const StatementTable& TheStatementTable() {
  static const StatementTable table = [] {
    StatementTable built;
    RegisterControlFlowStatements(built);
    RegisterDeclarationStatements(built);
    RegisterPrintStatements(built);
    RegisterInputOutputStatements(built);
    RegisterSystemStatements(built);
    return built;
  }();
  return table;
}

StatementHandler FindStatementHandler(int32_t id) {
  if (id < 0 || id >= kStatementTableSize) return nullptr;
  return TheStatementTable().handlers[id];
}

}  // namespace vorna
