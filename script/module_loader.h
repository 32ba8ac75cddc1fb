// Loading script modules into the program model: each module is a container
// entry (or a plain file) read line by line, with comments cut, labels taken
// off and procedure headers opening a procedure's own line list.
#pragma once

#include <cstdint>

#include "platform/files.h"
#include "script/program.h"
#include "values/node_list.h"

namespace vorna {

/// Longest line the loader keeps; longer physical lines are split.
constexpr size_t kMaxProgramLineLength = 255;

/// Loads the module of that name (any case), read through files, into modules
/// unless a module of that name is there already; answers the module. Raises "File Not Found"
/// when the entry cannot be opened or the name is longer than 255 characters;
/// the module is then not added. Errors of the module's lines pass through.
Module* LoadModule(platform::FileSystem& files, NodeList& modules, const char* name);

/// Reads the entry name, through files, into module, replacing its lines.
/// Raises "File Not Found".
void ReadModule(platform::FileSystem& files, Module& module, const char* name);

/// Adds one source line (without its line end and comment) to module: takes
/// off the label, opens a procedure at a SUB or FUNCTION header, and appends
/// the line to the current list. Raises "Name Already Declared" for a second
/// procedure of the same name and "Illegal Function Name" for a procedure
/// name or label that is a keyword, and for a procedure name that is empty or
/// longer than 32 characters.
void AddLine(Module& module, const char* text, int32_t lineNumber);

}  // namespace vorna
