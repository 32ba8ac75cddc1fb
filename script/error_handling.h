// What happens to a script error where it is caught: the error record, the
// ON ERROR target, the error dialog, and the report of internal error texts.
#pragma once

#include <cstdint>
#include <string>

#include "script/error_record.h"
#include "script/line_executor.h"
#include "values/errors.h"

namespace vorna {

class Activation;

/// Fills the interpreter's error record from the error and the failing activation.
void RecordError(Activation& activation, int32_t number);

/// Where an error happened, as people read it: "SETUP.BAS, line 12", or the
/// module alone when the record names no line.
std::string ErrorPlace(const ErrorRecord& record);

/// Runs the error dialog for the recorded error and applies its answer:
/// Abort stops the run (advance), Ignore advances, Retry stays, Debug turns
/// on stepping with an error report and stays; a dialog that failed advances.
LineOutcome ShowErrorDialog(Activation& activation);

/// A numbered error of a statement line: recorded, then ON ERROR RESUME NEXT
/// advances, an ON ERROR label jumps (stay), else the error dialog decides.
LineOutcome HandleLineError(Activation& activation, errorNumbers number);

/// Writes "?TEXT ERROR:" and the statement text through the host output
/// routine and ends the activation's procedure (no current line).
void ReportTextError(Activation& activation, const char* text);

}  // namespace vorna
