// KILL, NAME, MKDIR, RMDIR and CHDIR: one file-system call each, whose
// failure (except MKDIR's) is the script error "Disk".
#include "installdata/install_paths.h"
#include "platform/platform.h"
#include "script/activation.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "statements/system_statements.h"
#include "values/errors.h"

namespace vorna {

namespace {

platform::FileSystem& FilesOf(Activation& activation) {
  return *activation.interpreter().machine().files;
}

void RequireSuccess(bool succeeded) {
  if (!succeeded) Raise(errorNumbers::Disk);
}

}  // namespace

// kill -> KILL path
StatementEnd RunKill(Activation& activation) {
  RequireSuccess(FilesOf(activation).Delete(activation.ReadText()));
  return StatementEnd::Continue;
}

// name -> NAME old AS new
StatementEnd RunName(Activation& activation) {
  std::string from = activation.ReadText();
  if (!activation.cursor().MatchKeyword(KeywordId::As, Prefix::NotAllowed)) {
    Raise(errorNumbers::IllegalUse);
  }
  std::string to = activation.ReadText();
  RequireSuccess(FilesOf(activation).Move(from, to));
  return StatementEnd::Continue;
}

void CreateFoldersAlong(const platform::Platform& machine, const std::string& path) {
  for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
    CreateReportedFolder(machine, path.substr(0, at));
  }
  CreateReportedFolder(machine, path);
}

// mkdir -> MKDIR path
StatementEnd RunMkDir(Activation& activation) {
  CreateFoldersAlong(activation.interpreter().machine(), activation.ReadText());
  return StatementEnd::Continue;
}

// rmdir -> RMDIR path
StatementEnd RunRmDir(Activation& activation) {
  RequireSuccess(FilesOf(activation).RemoveFolder(activation.ReadText()));
  return StatementEnd::Continue;
}

// chdir -> CHDIR path
StatementEnd RunChDir(Activation& activation) {
  RequireSuccess(FilesOf(activation).SetCurrentFolder(activation.ReadText()));
  return StatementEnd::Continue;
}

}  // namespace vorna
