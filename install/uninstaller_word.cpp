#include "install/uninstaller_word.h"

#include <optional>
#include <string>

#include "install/install_settings.h"
#include "installdata/install_paths.h"
#include "platform/install_events.h"
#include "platform/platform.h"
#include "script/activation.h"
#include "script/interpreter.h"
#include "uninstall/bare_runtime.h"
#include "uninstall/record_area.h"
#include "uninstall/record_file.h"
#include "uninstall/record_path.h"
#include "uninstall/uninstall_command.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

/// Writes UNINSTALL.EXE into folder and reports it as a file the install wrote.
void WriteUninstaller(const platform::Platform& machine, const std::string& program) {
  platform::FileSystem& files = *machine.files;
  bool existed = files.Inspect(program).kind != platform::PathKind::Missing;
  if (!CopyBareRuntime(files, files.ProgramPath(), program)) Raise(errorNumbers::Disk);
  platform::PathFacts written = files.Inspect(program);
  platform::FileChange change =
      existed ? platform::FileChange::Replaced : platform::FileChange::New;
  platform::Emit(machine,
                 platform::event::FileWritten{program, change, written.size, written.lastWrite});
}

}  // namespace

void ReadUninstaller(Activation& activation, Value& result) {
  const platform::Platform& machine = activation.interpreter().machine();
  InstallSettings& settings = SharedInstallSettings();
  std::optional<RecordPath> folder = TidyPath(settings.Get(InstallField::InstallPath));
  if (!folder || !RefusedInstallFolder(MachineArea(machine, *folder)).empty()) {
    Raise(errorNumbers::IllegalValue);
  }
  CreateFolderChain(machine, folder->Text());
  std::string program = folder->Child(kUninstallerFileName).Text();
  std::string record = folder->Child(kRecordFileName).Text();
  WriteUninstaller(machine, program);
  platform::Emit(machine, platform::event::UninstallRecordStarted{
                              record, settings.Get(InstallField::ProgramName)});
  // The record sink writes the record as the event arrives; a record that is
  // not there could not be written (or no sink keeps one).
  if (machine.files->Inspect(record).kind != platform::PathKind::File) Raise(errorNumbers::Disk);
  result.SetString(UninstallCommandLine(program, record).c_str());
}

}  // namespace vorna
