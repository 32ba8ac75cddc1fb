#include "install/install_object.h"

#include <iterator>
#include <string>

#include "install/ask_dialogs.h"
#include "install/copy_steps.h"
#include "install/install_settings.h"
#include "install/install_words.h"
#include "script/activation.h"
#include "script/interpreter.h"
#include "script/member_words.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// The field words, in the order of InstallField.
constexpr const char* kFieldWords[] = {"PROGRAMNAME", "INSTALLNAME", "COPYRIGHT", "INSTALLPATH",
                                       "VERSION"};
static_assert(sizeof kFieldWords / sizeof *kFieldWords == kInstallFieldCount);

// The words of GetMember after the fields.
enum class Member { AskLicense, AskDrive, AskPath, CopyFiles, SpecialFolder, DirCat, RegSvr32 };
constexpr const char* kMemberWords[] = {"ASKLICENSE",    "ASKDRIVE", "ASKPATH", "COPYFILES",
                                        "SPECIALFOLDER", "DIRCAT",   "REGSVR32"};

enum class Statement { Backdrop, CalcSpace };
constexpr const char* kStatementWords[] = {"BACKDROP", "CALCSPACE"};

void RunMember(Member member, Activation& activation, Value& result) {
  switch (member) {
    case Member::AskLicense:
      ReadAskLicence(activation, result);
      return;
    case Member::AskDrive:
      result.SetBoolean(AskDrive(activation.interpreter().machine()) ? 1 : 0);
      return;
    case Member::AskPath:
      result.SetBoolean(AskPath(activation.interpreter().machine()) ? 1 : 0);
      return;
    case Member::CopyFiles:
      result.SetBoolean(CopyFilesStep(activation.interpreter().machine()) ? 1 : 0);
      return;
    case Member::SpecialFolder:
      ReadSpecialFolder(activation, result);
      return;
    case Member::DirCat:
      ReadDirCat(activation, result);
      return;
    case Member::RegSvr32:
      ReadRegSvr32(activation, result);
      return;
  }
}

}  // namespace

bool InstallObject::GetMember(Activation& activation, Value& result) {
  StatementCursor& cursor = activation.cursor();
  int32_t field = MatchMemberWord(cursor, kFieldWords);
  if (field >= 0) {
    result.SetString(SharedInstallSettings().Get(static_cast<InstallField>(field)).c_str());
    return true;
  }
  int32_t member = MatchMemberWord(cursor, kMemberWords);
  if (member < 0) return false;
  RunMember(static_cast<Member>(member), activation, result);
  return true;
}

// field = expression
bool InstallObject::SetMember(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  int32_t field = MatchMemberWord(cursor, kFieldWords);
  if (field < 0) return false;
  cursor.ExpectChar('=');
  std::string text = activation.ReadText();
  // A cut text would quietly name another folder or product; refuse it.
  if (!SharedInstallSettings().Set(static_cast<InstallField>(field), text)) {
    Raise(errorNumbers::StringTooLong);
  }
  return true;
}

bool InstallObject::CallStatement(Activation& activation) {
  switch (MatchMemberWord(activation.cursor(), kStatementWords)) {
    case static_cast<int32_t>(Statement::Backdrop):
      RunBackdrop(activation);
      return true;
    case static_cast<int32_t>(Statement::CalcSpace):
      CalcSpace(activation.interpreter().machine());
      return true;
    default:
      return false;
  }
}

InstallWordList InstallObjectWords() {
  InstallWordList words;
  words.fields.assign(std::begin(kFieldWords), std::end(kFieldWords));
  words.members.assign(std::begin(kMemberWords), std::end(kMemberWords));
  words.statements.assign(std::begin(kStatementWords), std::end(kStatementWords));
  return words;
}

std::vector<MemberShape> InstallMemberShapes() {
  return {{kMemberWords[static_cast<int>(Member::AskLicense)], 1, 1},
          {kMemberWords[static_cast<int>(Member::SpecialFolder)], 1, 2},
          {kMemberWords[static_cast<int>(Member::DirCat)], 2, 2},
          {kMemberWords[static_cast<int>(Member::RegSvr32)], 2, 2}};
}

void RegisterInstallObject(Interpreter& interpreter) {
  interpreter.RegisterExtension(new InstallObject);
}

}  // namespace vorna
