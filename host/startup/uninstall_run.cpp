#include "host/startup/uninstall_run.h"

#include <string>
#include <vector>

#include "host/startup/uninstall_messages.h"
#include "platform/install_events.h"
#include "uninstall/record_loading.h"
#include "uninstall/removal.h"
#include "uninstall/self_removal.h"

namespace vorna {

namespace {

namespace mb = platform::mb;

constexpr unsigned kYesNoQuestion = 0x4 | 0x20;  // MB_YESNO | MB_ICONQUESTION
constexpr unsigned kInformation = 0x40;          // MB_ICONINFORMATION
constexpr const char* kRefusalCaption = "Uninstall";
/// A finishing copy tries again while the uninstaller's file is still held.
constexpr int kFinishAttempts = 20;
constexpr uint32_t kFinishPause = 250;

/// The steps of a removal the user is told about.
struct StepLists {
  std::vector<RemovalStep> kept;
  std::vector<RemovalStep> remain;

  void Take(const RemovalStep& step) {
    if (step.result == RemovalResult::Kept) kept.push_back(step);
    if (step.result == RemovalResult::Failed) remain.push_back(step);
  }
};

RemovalStep ProblemStep(const std::string& name, const std::string& reason) {
  RemovalStep step;
  step.name = name;
  step.result = RemovalResult::Failed;
  step.reason = reason;
  return step;
}

int Refuse(const platform::Platform& machine, const std::string& refusal) {
  machine.interaction->MessageBox(platform::Owner::None, refusal, kRefusalCaption,
                                  mb::Ok | mb::IconHand);
  platform::Emit(machine, platform::event::RunFailed{refusal});
  return kUninstallFailed;
}

platform::RemovalKind KindOf(EntryKind kind) {
  switch (kind) {
    case EntryKind::Folder:
      return platform::RemovalKind::Folder;
    case EntryKind::Shortcut:
      return platform::RemovalKind::Shortcut;
    case EntryKind::Key:
      return platform::RemovalKind::RegistryKey;
    case EntryKind::Value:
      return platform::RemovalKind::RegistryValue;
    case EntryKind::Library:
      return platform::RemovalKind::Library;
    default:
      return platform::RemovalKind::File;
  }
}

/// Tells the run's events what a step did; a thing already gone is no news.
void Report(const platform::Platform& machine, const RemovalStep& step) {
  platform::RemovalKind kind = KindOf(step.kind);
  switch (step.result) {
    case RemovalResult::Removed:
      platform::Emit(machine, platform::event::Removed{kind, step.name, step.valueName});
      break;
    case RemovalResult::Kept:
    case RemovalResult::Failed:
      platform::Emit(machine,
                     platform::event::NotRemoved{kind, step.name, step.valueName, step.reason,
                                                 step.result == RemovalResult::Failed});
      break;
    case RemovalResult::AlreadyGone:
      break;
  }
}

/// Removes what the record lists and hands the uninstaller's own file to a copy.
RemovalEnd Remove(const platform::Platform& machine, const LoadedRecord& loaded, StepLists* lists) {
  RecordRemoval removal(machine, loaded.file, *loaded.record,
                        [&machine, lists](const RemovalStep& step) {
                          Report(machine, step);
                          lists->Take(step);
                        });
  std::string own = machine.files->ProgramPath();
  RemovalOutcome outcome = removal.Run(own);
  if (!outcome.problem.empty())
    lists->remain.push_back(ProblemStep(loaded.file.Text(), outcome.problem));
  if (outcome.end != RemovalEnd::OwnFileLeft) return outcome.end;
  if (HandOverToCopy(machine, loaded.file.Text())) return RemovalEnd::Finished;
  lists->remain.push_back(ProblemStep(own, "the uninstaller cannot remove itself"));
  Report(machine, lists->remain.back());
  return RemovalEnd::Failed;
}

// The user's uninstall: the record checked, the question, the removal, the
// closing message.
int RunUserUninstall(const platform::Platform& machine, const CommandLine& line) {
  LoadedRecord loaded = LoadRecord(machine, line.uninstallRecord);
  if (!loaded.record) return Refuse(machine, loaded.refusal);
  std::string product = ProductNameOf(loaded);
  std::string caption = UninstallCaption(product);
  platform::Interaction& ask = *machine.interaction;
  if (ask.MessageBox(platform::Owner::None, UninstallQuestion(product), caption, kYesNoQuestion) !=
      platform::id::Yes) {
    platform::Emit(machine, platform::event::UserQuit{"uninstall"});
    return kUninstallDeclined;
  }
  StepLists lists;
  if (Remove(machine, loaded, &lists) == RemovalEnd::Failed) {
    std::string text = NotRemovedText(product, lists.remain);
    ask.MessageBox(platform::Owner::None, text, caption, mb::Ok | mb::IconExclamation);
    platform::Emit(machine, platform::event::RunFailed{text});
    return kUninstallFailed;
  }
  ask.MessageBox(platform::Owner::None, RemovedText(product, lists.kept), caption,
                 mb::Ok | kInformation);
  return kUninstallDone;
}

// The copy that finishes: once the uninstaller has ended, its file and the
// folders that held it go, then the copy itself. It asks and shows nothing.
int RunFinishingCopy(const platform::Platform& machine, const CommandLine& line) {
  std::string own = machine.files->ProgramPath();
  if (std::optional<RecordPath> path = TidyPath(own)) {
    machine.files->SetCurrentFolder(path->Parent().Text());
  }
  machine.system->WaitForProcess(line.waitForProcess);
  LoadedRecord loaded = LoadRecord(machine, line.uninstallRecord);
  RemovalEnd end = RemovalEnd::Failed;
  for (int attempt = 0; loaded.record && attempt < kFinishAttempts; ++attempt) {
    if (attempt > 0) machine.system->Sleep(kFinishPause);
    RecordRemoval removal(machine, loaded.file, *loaded.record, [](const RemovalStep&) {});
    end = removal.Run(own).end;
    if (end != RemovalEnd::Failed) break;
    loaded.record = removal.record();
  }
  if (!loaded.refusal.empty()) machine.system->DebugOutput(loaded.refusal);
  RemoveOwnCopy(machine);
  return end == RemovalEnd::Finished ? kUninstallDone : kUninstallFailed;
}

}  // namespace

int RunUninstall(const platform::Platform& machine, const CommandLine& line) {
  if (line.waitForProcess != 0) return RunFinishingCopy(machine, line);
  return RunUserUninstall(machine, line);
}

}  // namespace vorna
