// The host output routine: where the script's text output goes.
//
// PRINT without a file, the prompts of INPUT and the reports of internal
// errors write through it: to the console when OPTION CONSOLE opened one,
// otherwise to an attached debugger, otherwise nowhere.
#pragma once

#include <string>

namespace vorna {

class Interpreter;

/// Longest text HostOutputFormat produces.
constexpr size_t kMaxHostOutputLength = 4095;

/// Writes text unchanged to the open console (or an attached debugger).
void HostOutput(Interpreter& interpreter, const std::string& text);

/// Formats like printf (at most kMaxHostOutputLength characters) and writes
/// the result. Text that comes from the script must be passed as an argument,
/// never as the format.
void HostOutputFormat(Interpreter& interpreter, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

/// Opens the console (nothing happens when it is open already).
void OpenConsole(Interpreter& interpreter);
/// Closes the console when it is open.
void CloseConsole(Interpreter& interpreter);

}  // namespace vorna
