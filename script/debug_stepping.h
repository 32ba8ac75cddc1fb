// Stepping under the debugger: before a line runs, the runtime reports it and
// obeys the debugger's replies until one of them lets the line go on.
#pragma once

#include <optional>
#include <string>

#include "script/line_executor.h"

namespace vorna {

class Activation;

/// The text of a line report: the current module's name, "|" and the
/// current line's number ("SETUP|12").
std::string LineReportText(const Activation& activation);

/// Reports the line about to run (F, or E after the error dialog's Debug) and
/// obeys the replies. Answers the line's outcome when the debugger settled
/// it (skipped it, or ran it with its calls unreported); nullopt when the
/// line is to run normally, with *text the line to run (an executed GOTO can
/// have made another line current). Script errors of a watched expression
/// propagate to the caller as errors of the current line.
std::optional<LineOutcome> ObeyDebugger(Activation& activation, const char** text);

}  // namespace vorna
