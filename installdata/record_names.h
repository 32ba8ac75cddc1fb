// Which record names may be written below the install folder.
//
// A file set comes from outside: a damaged or hostile one could name a file
// anywhere on the disk, or a device. A name is accepted only when it is a
// relative path of ordinary Windows names that stays inside the folder.
#pragma once

#include <string>

namespace vorna {

enum class NameVerdict {
  Accepted,
  Empty,               // no name, or a folder with no file name after it
  Absolute,            // starts with a backslash or slash
  StreamOrDrive,       // a colon: "C:..." names a drive, "name:x" a stream
  ParentFolder,        // a "." or ".." component
  TrailingDotOrBlank,  // a name Windows would change by dropping its end
  DeviceName,          // CON, PRN, AUX, NUL, COM1..9, LPT1..9 (and COM¹²³, LPT¹²³)
  ForbiddenCharacter,  // < > " / | ? * or a control character
};

/// Judges a record name (folders separated by backslashes).
NameVerdict CheckRecordName(const std::string& name);

/// A short English reason for a verdict ("a device name", ...).
const char* DescribeVerdict(NameVerdict verdict);

}  // namespace vorna
