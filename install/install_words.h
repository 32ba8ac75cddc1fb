// The install object's members that take arguments, each reading its own
// operands at the cursor just after its word.
#pragma once

#include <string>

namespace vorna {

class Activation;
class Value;

/// ASKLICENSE "(" entry ")": the licence dialog's answer as a BOOLEAN.
void ReadAskLicence(Activation& activation, Value& result);
/// SPECIALFOLDER "(" name ["," allUsers] ")": the folder's path as a STRING.
void ReadSpecialFolder(Activation& activation, Value& result);
/// DIRCAT "(" folder "," name ")": the joined path as a STRING.
void ReadDirCat(Activation& activation, Value& result);
/// REGSVR32 "(" library "," mode ")": whether the (un)registration worked, as a BOOLEAN.
void ReadRegSvr32(Activation& activation, Value& result);
/// BACKDROP expression: shows (TRUE) or hides (FALSE) the backdrop window.
void RunBackdrop(Activation& activation);

/// The folder and the name joined with one backslash: a folder ending in "\"
/// or "/" gets none added, and a name's leading backslash is dropped.
std::string JoinFolderAndName(const std::string& folder, const std::string& name);

}  // namespace vorna
