// The handlers of the control-flow statements, registered by keyword id.
#pragma once

#include <cstddef>

#include "script/statement_table.h"

namespace vorna {

class Activation;
class ProgramLine;

StatementEnd IfStatement(Activation& activation);
StatementEnd ElseStatement(Activation& activation);
StatementEnd ElseIfStatement(Activation& activation);
StatementEnd EndIfStatement(Activation& activation);
StatementEnd EndStatement(Activation& activation);

StatementEnd ForStatement(Activation& activation);
StatementEnd NextStatement(Activation& activation);
StatementEnd WhileStatement(Activation& activation);
StatementEnd WendStatement(Activation& activation);
StatementEnd DoStatement(Activation& activation);
StatementEnd LoopStatement(Activation& activation);
StatementEnd ExitStatement(Activation& activation);

StatementEnd SelectStatement(Activation& activation);
StatementEnd CaseStatement(Activation& activation);
/// END CASE reached while running a branch: the SELECT block is over.
StatementEnd EndCaseStatement(Activation& activation);

StatementEnd GotoStatement(Activation& activation);
StatementEnd GosubStatement(Activation& activation);
StatementEnd ReturnStatement(Activation& activation);
StatementEnd OnStatement(Activation& activation);
StatementEnd RunStatement(Activation& activation);
StatementEnd LoadStatement(Activation& activation);
StatementEnd CallStatement(Activation& activation);
StatementEnd StopStatement(Activation& activation);
StatementEnd RemStatement(Activation& activation);

/// Makes line current with the cursor at offset of its text, as the loops
/// do when they go back to their first line.
void ResumeAt(Activation& activation, ProgramLine* line, size_t offset);

}  // namespace vorna
