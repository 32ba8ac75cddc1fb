// The script checker: reads a product's start-up control entry and every
// module it loads (and every module a LOAD names) with the runtime's own
// loader, and reports the mistakes the runtime would meet only while it
// runs: unknown statements and procedures, unbalanced blocks, missing
// labels, wrong argument counts, unterminated strings, missing entries.
#pragma once

#include <string>

#include "tools/check/diagnostics.h"
#include "tools/check/entry_set.h"

namespace vorna::check {

/// The start-up control entry the runtime reads when its command line names none.
constexpr const char* kDefaultControlEntry = "STARTUP.CTL";

/// Checks the program made of entries, starting from the control entry.
/// filePrefix goes in front of entry names in the diagnostics (a folder
/// path ending in a separator, or empty). The diagnostics come sorted.
Diagnostics CheckProgram(const EntrySet& entries, const std::string& filePrefix,
                         const std::string& controlEntry = kDefaultControlEntry);

}  // namespace vorna::check
