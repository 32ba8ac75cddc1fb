// The file statements: OPEN, CLOSE and RESET manage the slots of the file
// table; GET, PUT and SEEK move fixed binary records; INPUT reads lines from
// a file or asks the user.
#pragma once

#include "script/statement_table.h"

namespace vorna {

class Activation;

/// open -> OPEN name [FOR mode] [ACCESS ...] [SHARED | LOCK ...] AS [#]n [LEN = length]
StatementEnd OpenStatement(Activation& activation);
/// close -> CLOSE [#]n {, [#]n}
StatementEnd CloseStatement(Activation& activation);
/// reset -> RESET
StatementEnd ResetStatement(Activation& activation);
/// get -> GET #n, [position], name
StatementEnd GetStatement(Activation& activation);
/// put -> PUT #n, [position], expression
StatementEnd PutStatement(Activation& activation);
/// seek -> SEEK #n, position
StatementEnd SeekStatement(Activation& activation);
/// The file form of PRINT and WRITE after its "#": n "," items, each line
/// ended with a carriage return and a line feed.
StatementEnd PrintToFile(Activation& activation);
/// input -> INPUT #n, name {, name} | INPUT ["prompt",] name {, name}
StatementEnd InputStatement(Activation& activation);

}  // namespace vorna
