// UNINSTALLER: the install object's word that makes the product removable.
//
// It writes the runtime, without the install data, into the install folder
// as UNINSTALL.EXE (reported like every file the install writes, so that the
// record lists it), starts the install record beside it (UNINSTALL.DAT), and
// answers the command line that runs the uninstall, for the script to write
// into the registry's UninstallString:
//   "C:\Program Files\Hello\UNINSTALL.EXE" -U "C:\Program Files\Hello\UNINSTALL.DAT"
#pragma once

namespace vorna {

class Activation;
class Value;

/// UNINSTALLER: the uninstall's command line as a STRING. Error 15 "Illegal
/// Value" when INSTALLPATH is not a full path or may hold no record (a
/// drive's root, the Windows folder); error 48 "Disk" when the uninstaller
/// or the record cannot be written.
void ReadUninstaller(Activation& activation, Value& result);

}  // namespace vorna
