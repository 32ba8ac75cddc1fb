// The runtime's end of the debugger connection: records out and in, the
// script's output while no console is open, and the end of the process when
// the debugger is gone.
#pragma once

#include <string>
#include <string_view>

#include "script/debug_record.h"

namespace vorna {

class Interpreter;

constexpr const char* kLostDebuggerText = "Lost debugger connection.";
constexpr const char* kLostDebuggerCaption = "Error";

/// Sends one record while a debugger is connected (nothing otherwise). A
/// write that fails or goes out short ends the process (LoseDebugger).
void SendToDebugger(Interpreter& interpreter, char letter, std::string_view text);

/// Waits for the debugger's next record; reads that deliver nothing are
/// repeated, and a read that fails ends the process (LoseDebugger).
DebugMessage ReceiveFromDebugger(Interpreter& interpreter);

/// Sends the script's output as an O record: cut to 254 characters, then at
/// the first carriage return or line feed; nothing is sent when nothing is
/// left or no debugger is connected.
void SendDebugOutput(Interpreter& interpreter, const std::string& text);

/// Shows "Lost debugger connection." (caption "Error") and ends the process
/// with exit code 0.
[[noreturn]] void LoseDebugger(Interpreter& interpreter);

}  // namespace vorna
