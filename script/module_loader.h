// Loading script modules into the program model: each module is a container
// entry (or a plain file) read line by line, with comments cut, labels taken
// off and procedure headers opening a procedure's own line list.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/files.h"
#include "script/program.h"
#include "values/errors.h"
#include "values/node_list.h"

namespace vorna {

/// Longest line the loader keeps; longer physical lines are split.
constexpr size_t kMaxProgramLineLength = 255;

/// Told of an error raised by one line of a module while it loads, with the
/// line's zero-based number and the column of its text. It may throw to end
/// the load, or return to have the loader go on with the next line.
using LineErrorHandler = std::function<void(errorNumbers, int32_t lineNumber, int32_t column)>;

/// Loads the module of that name (any case), read through files, into modules
/// unless a module of that name is there already; answers the module. Raises "File Not Found"
/// when the entry cannot be opened or the name is longer than 255 characters;
/// the module is then not added. Errors of the module's lines pass through,
/// or to onLineError when one is given.
Module* LoadModule(platform::FileSystem& files, NodeList& modules, const char* name,
                   const LineErrorHandler& onLineError = nullptr);

/// Reads the entry name, through files, into module, replacing its lines.
/// Raises "File Not Found"; errors of lines go to onLineError as above.
void ReadModule(platform::FileSystem& files, Module& module, const char* name,
                const LineErrorHandler& onLineError = nullptr);

/// Adds one source line (without its line end and comment) to module: takes
/// off the label, opens a procedure at a SUB or FUNCTION header, and appends
/// the line to the current list. column is where text starts in its physical
/// line. Raises "Name Already Declared" for a second procedure of the same
/// name and "Illegal Function Name" for a procedure name or label that is a
/// keyword, and for a procedure name that is empty or longer than 32 characters.
void AddLine(Module& module, const char* text, int32_t lineNumber, int32_t column = 0);

}  // namespace vorna
