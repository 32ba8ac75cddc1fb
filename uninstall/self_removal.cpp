#include "uninstall/self_removal.h"

#include <optional>

#include "uninstall/bare_runtime.h"
#include "uninstall/uninstall_command.h"

namespace vorna {

namespace {

/// Names tried for a copy before giving up.
constexpr int kCopyNames = 16;
/// The show state of the copy: it has no window to show.
constexpr int kHidden = 0;

/// A name for the copy in folder that nothing uses yet.
std::optional<std::string> FreeCopyName(platform::FileSystem& files, const std::string& folder,
                                        uint32_t process) {
  for (int n = 1; n <= kCopyNames; ++n) {
    std::string name =
        folder + "\\" + kCopyPrefix + std::to_string(process) + "-" + std::to_string(n) + ".EXE";
    if (files.Inspect(name).kind == platform::PathKind::Missing) return name;
  }
  return std::nullopt;
}

}  // namespace

bool HandOverToCopy(const platform::Platform& machine, const std::string& recordFile) {
  std::optional<std::string> folder = machine.system->TemporaryFolder();
  uint32_t process = machine.system->ProcessId();
  if (!folder || process == 0) return false;
  platform::FileSystem& files = *machine.files;
  std::optional<std::string> copy = FreeCopyName(files, *folder, process);
  if (!copy || !CopyBareRuntime(files, files.ProgramPath(), *copy)) return false;
  if (machine.system->StartProcess(FinishingCommandLine(*copy, recordFile, process), kHidden)) {
    return true;
  }
  files.Delete(*copy);
  return false;
}

void RemoveOwnCopy(const platform::Platform& machine) {
  std::string own = machine.files->ProgramPath();
  if (!machine.files->Delete(own)) machine.files->DeleteAtRestart(own);
}

}  // namespace vorna
