// The statement dispatcher's helpers that statement handlers share.
#pragma once

#include "statements/statement_table.h"

namespace vorna {

class Activation;

/// Runs the statements from the cursor to the end of the line, as the line
/// dispatcher does (IF runs the statements after THEN or ELSE this way).
StatementEnd RunRestOfLine(Activation& activation);

}  // namespace vorna
