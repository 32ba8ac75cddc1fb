// What follows the uninstall switch: the record, as a word or in quotes
// (-U "C:\Program Files\Hello\UNINSTALL.DAT"), and for the copy that
// finishes an uninstall, the process it waits for (-W ID).
#pragma once

#include "host/startup/command_line.h"

namespace vorna {

constexpr const char* kNoRecordText = "The switch -U needs the name of an uninstall record.";
constexpr const char* kUnclosedRecordText =
    "The name of the uninstall record has no closing quote.";

/// Reads the record and the options after it from p (the text after the
/// switch letter) into line; sets line->refusal when they cannot be read.
void ReadUninstallArguments(const char* p, CommandLine* line);

}  // namespace vorna
