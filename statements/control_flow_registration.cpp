#include "statements/statement_table.h"

namespace vorna {

// This family registers its handlers here, by keyword id; until then its
// statements are reported as not implemented by the dispatcher.
void RegisterControlFlowStatements(StatementTable&) {}

}  // namespace vorna
