// The registry export text format (REGEDIT4) that the sandbox registry is
// kept in, so that users and tests can read and prepare it by hand.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Example]
//   @="default value"
//   "Path"="C:\\Program Files\\Example"
//   "Count"=dword:00000003
//   "Blob"=hex:01,02,03
//   "Other"=hex(2):25,00
//
// Text values escape backslash and quote; every other kind is kept as its
// bytes, so values of any kind survive a load and a save unchanged.
#pragma once

#include <string>

#include "platform/portable/registry_tree.h"

namespace vorna::platform {

/// Fills tree (cleared first) from REGEDIT4 text; false with a message naming
/// the line when the text is not in that format.
bool ParseRegFile(const std::string& text, RegTree* tree, std::string* error);

/// Writes the whole tree as REGEDIT4 text with Windows line ends.
std::string FormatRegFile(const RegTree& tree);

/// True when a name can be written to the file (no line break in it).
bool IsStorableName(const std::string& name);

}  // namespace vorna::platform
