// The install object: the script's handle on the installation.
//
// It has no name of its own in scripts. Its members are words that behave as
// global names, because the interpreter asks its extensions before anything
// else and the install object is registered first: PROGRAMNAME = "Tool"
// assigns a field, IF ASKDRIVE THEN asks for a drive, BACKDROP TRUE is a
// statement. A script variable can therefore never shadow one of these words.
#pragma once

#include <vector>

#include "values/extension.h"

namespace vorna {

class Activation;
class Interpreter;
class Value;

class InstallObject : public Extension {
 public:
  /// Reads a field or runs a member with a result: PROGRAMNAME, INSTALLNAME,
  /// COPYRIGHT, INSTALLPATH, VERSION, ASKLICENSE, ASKDRIVE, ASKPATH,
  /// COPYFILES, SPECIALFOLDER, DIRCAT, REGSVR32, tried in that order.
  bool GetMember(Activation& activation, Value& result) override;
  /// Assigns a field: PROGRAMNAME, INSTALLNAME, COPYRIGHT, INSTALLPATH,
  /// VERSION, then "=" and a text of at most 63 characters.
  bool SetMember(Activation& activation) override;
  /// Runs a statement member: BACKDROP expression, CALCSPACE.
  bool CallStatement(Activation& activation) override;
};

/// The install object's words, grouped by how a script uses them; the
/// language reference and the editor grammar are made from these lists.
struct InstallWordList {
  std::vector<const char*> fields;      // read and assigned: PROGRAMNAME = "Tool"
  std::vector<const char*> members;     // read in expressions: IF ASKDRIVE THEN
  std::vector<const char*> statements;  // used as statements: CALCSPACE
};

/// Every word of the install object, each group in the order it is tried.
InstallWordList InstallObjectWords();

/// The argument list of a member read in an expression: WORD(a [, b]).
struct MemberShape {
  const char* word;
  int minArguments;
  int maxArguments;
};

/// The members that take a parenthesised argument list (ASKLICENSE(entry),
/// DIRCAT(folder, name), ...); the other members take none.
std::vector<MemberShape> InstallMemberShapes();

/// Creates the install object and registers it with the interpreter; start-up
/// does this before any other extension, so its words come first.
void RegisterInstallObject(Interpreter& interpreter);

}  // namespace vorna
