// The statements that act on the machine rather than on the script: files and
// folders, message boxes and beeps, time. (Shortcuts and the registry are the
// install services' own statements.)
//
// Each handler is called with the cursor after its keyword, parses its own
// operands and leaves the cursor after them. Only the failures named with each
// handler become script errors; the others are ignored.
#pragma once

#include <string>

#include "platform/platform.h"
#include "script/statement_table.h"

namespace vorna {

/// KILL path: deletes one file; "Disk" when that fails.
StatementEnd RunKill(Activation& activation);
/// NAME old AS new: moves a file; "Illegal Use" without AS, "Disk" when the move fails.
StatementEnd RunName(Activation& activation);
/// MKDIR path: creates every folder along the path; failures pass silently.
StatementEnd RunMkDir(Activation& activation);
/// RMDIR path: removes an empty folder; "Disk" when that fails.
StatementEnd RunRmDir(Activation& activation);
/// CHDIR path: makes the folder current; "Disk" when that fails.
StatementEnd RunChDir(Activation& activation);

/// MSGBOX text [, caption] | MSGBOX text, flags, caption: a message box owned
/// by the backdrop; the button pressed is not kept.
StatementEnd RunMsgBox(Activation& activation);
/// BEEP: the simple beep.
StatementEnd RunBeep(Activation& activation);

/// SLEEP milliseconds: waits; a negative count does not wait.
StatementEnd RunSleep(Activation& activation);
/// RANDOMIZE: seeds RND with the time in seconds; reads nothing after the
/// word, and ends the line unless a ":" follows the word at once.
StatementEnd RunRandomize(Activation& activation);

/// Creates each folder along path, from the outermost in: the path up to
/// every backslash, then the whole path. Results are not looked at, so
/// folders that exist already and failures pass silently. Unlike the copy's
/// CreateFolderChain, only backslashes split the path, as MKDIR promises.
/// Each folder created is reported to the machine's events.
void CreateFoldersAlong(const platform::Platform& machine, const std::string& path);

}  // namespace vorna
