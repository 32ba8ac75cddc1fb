#include "install/special_folder_word.h"

#include <string>

#include "install/special_folders.h"
#include "script/activation.h"
#include "values/evaluator.h"
#include "values/member_words.h"
#include "values/value.h"

namespace vorna {

// specialfolder -> "(" name ["," allUsers] ")"
void EvaluateSpecialFolder(Activation& activation, Value& result) {
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
  result.SetString(SpecialFolderPath(name, owner).c_str());
}

bool SpecialFolderWord::GetMember(Activation& activation, Value& result) {
  constexpr const char* kWords[] = {kSpecialFolderWord};
  if (MatchMemberWord(activation.cursor(), kWords) < 0) return false;
  EvaluateSpecialFolder(activation, result);
  return true;
}

}  // namespace vorna
