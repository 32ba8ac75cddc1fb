#include "install/install_words.h"

#include "install/ask_dialogs.h"
#include "install/library_registration.h"
#include "install/shell_folder_lookup.h"
#include "platform/platform.h"
#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "values/value.h"

namespace vorna {

std::string JoinFolderAndName(const std::string& folder, const std::string& name) {
  std::string joined = folder;
  if (joined.empty() || (joined.back() != '\\' && joined.back() != '/')) joined += '\\';
  joined += (!name.empty() && name[0] == '\\') ? name.substr(1) : name;
  return joined;
}

// asklicense -> "(" entry ")"
void ReadAskLicence(Activation& activation, Value& result) {
  StatementCursor& cursor = activation.cursor();
  cursor.ExpectChar('(');
  std::string entry = activation.ReadText();
  cursor.ExpectChar(')');
  result.SetBoolean(AskLicence(activation.interpreter().machine(), entry) ? 1 : 0);
}

// specialfolder -> "(" name ["," allUsers] ")"
void ReadSpecialFolder(Activation& activation, Value& result) {
  StatementCursor& cursor = activation.cursor();
  cursor.ExpectChar('(');
  std::string name = activation.ReadText();
  FolderOwner owner = FolderOwner::AllUsers;
  if (cursor.MatchChar(',')) {
    cursor.SkipBlanks();
    Value allUsers;
    EvaluateExpression(activation, allUsers);
    owner = allUsers.AsBoolean() ? FolderOwner::AllUsers : FolderOwner::CurrentUser;
  }
  cursor.ExpectChar(')');
  platform::Registry& registry = *activation.interpreter().machine().registry;
  result.SetString(SpecialFolderPath(registry, name, owner).c_str());
}

// dircat -> "(" folder "," name ")"
void ReadDirCat(Activation& activation, Value& result) {
  StatementCursor& cursor = activation.cursor();
  cursor.ExpectChar('(');
  std::string folder = activation.ReadText();
  cursor.ExpectChar(',');
  std::string name = activation.ReadText();
  cursor.ExpectChar(')');
  result.SetString(JoinFolderAndName(folder, name).c_str());
}

// regsvr32 -> "(" library "," mode ")"
void ReadRegSvr32(Activation& activation, Value& result) {
  StatementCursor& cursor = activation.cursor();
  cursor.ExpectChar('(');
  std::string library = activation.ReadText();
  cursor.ExpectChar(',');
  std::string mode = activation.ReadText();
  cursor.ExpectChar(')');
  platform::Platform& machine = activation.interpreter().machine();
  result.SetBoolean(RegisterLibrary(machine, library, LibraryActionFromMode(mode)) ? 1 : 0);
}

// backdrop -> expression
void RunBackdrop(Activation& activation) {
  activation.cursor().SkipBlanks();
  Value visible;
  EvaluateExpression(activation, visible);
  activation.interpreter().machine().interaction->ShowBackdrop(visible.AsBoolean() != 0);
}

}  // namespace vorna
