// The seam between the run loop and the statement dispatcher.
//
// The run loop of an activation hands each program line to the dispatcher,
// and a module's global area runs its DIM statements; both live with the
// statements, which register nothing here: these are plain functions that
// the statement family defines.
#pragma once

namespace vorna {

class Activation;

/// What the run loop does after a line: take the next line, or run whatever
/// the line made current (possibly nothing, which ends the procedure).
enum class LineOutcome { Advance, Stay };

/// Executes one program line in the activation; script errors raised by its
/// statements are handled here (ON ERROR, the error dialog).
LineOutcome ExecuteLine(Activation& activation, const char* text);

/// Runs a DIM statement whose keyword has been read (the global area's one
/// declaration statement).
void RunDimStatement(Activation& activation);

}  // namespace vorna
