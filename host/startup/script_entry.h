// The script entry: everything the interpreter thread does, from the command
// line to the end of the run.
#pragma once

namespace vorna {

constexpr const char* kMainProcedure = "MAIN";
constexpr const char* kMainNotFoundText = "Main function not found.";

/// Reads the command line, loads the modules that the start-up control entry
/// names and runs MAIN; returns when the run is over. Refusals and failures
/// are shown as start-up messages.
void RunScriptEntry(const char* commandLine);

}  // namespace vorna
