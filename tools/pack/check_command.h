// The script checker as vorna-pack runs it: on a scripts folder or a packed
// image, printing compiler-style diagnostics.
#pragma once

#include <string>

#include "tools/check/entry_set.h"

namespace vorna::pack {

/// Checks the program made of entries and prints its diagnostics on
/// standard output (with the source line and a caret under the column when
/// standard output is a terminal) and a summary on standard error; prefix
/// goes in front of entry names. Answers the number of errors.
size_t ReportCheck(const check::EntrySet& entries, const std::string& prefix);

/// The prefix that names the entries of a scripts folder in diagnostics.
std::string FolderPrefix(const std::string& folder);

}  // namespace vorna::pack
