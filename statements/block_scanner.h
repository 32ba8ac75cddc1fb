// Skipping blocks that do not run: the scanners walk forward over the
// procedure's lines statement by statement, looking only at the first word of
// each statement, and count nested blocks by recursion.
#pragma once

#include <cstdint>

#include "script/keywords.h"

namespace vorna {

class Activation;

/// Moves the cursor past the next ":" outside literals; at the end of the
/// line, makes the next line of the procedure current. Answers false when the
/// procedure has no more lines (no line is current then).
bool NextStatementStart(Activation& activation);

/// Skips a FOR, WHILE or DO block from the cursor: nested blocks of the same
/// opener are skipped whole; the cursor ends just after the matching closer
/// keyword (or no line is current when there is none).
void SkipBlock(Activation& activation, KeywordId opener, KeywordId closer);

/// Where an IF scan ended.
enum class IfScanEnd { EndIf, Else, ElseIf, Exhausted };

/// Skips the rest of a block IF branch from the cursor. Nested IF conditions
/// are evaluated on the way. Ends after END IF; with stopAtElse also after
/// ELSE (entering that branch) or at the condition of an ELSEIF.
IfScanEnd SkipIfBranch(Activation& activation, bool stopAtElse);

/// True when the statement at the cursor is a block IF header (THEN ends
/// the line). Reads nothing.
bool IsBlockIfHeader(const char* statement);

/// Leaves one block IF whose END IF a scan passed without having entered it.
void LeaveOpenIf(Activation& activation);

}  // namespace vorna
