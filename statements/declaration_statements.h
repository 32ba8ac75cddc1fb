// The handlers of the declaration and assignment statements.
#pragma once

#include "script/statement_table.h"

namespace vorna {

class Activation;

StatementEnd DimStatement(Activation& activation);
StatementEnd ReDimStatement(Activation& activation);
StatementEnd LetStatement(Activation& activation);
StatementEnd LSetStatement(Activation& activation);
StatementEnd RSetStatement(Activation& activation);
StatementEnd OptionStatement(Activation& activation);

}  // namespace vorna
