#include "install/copy_steps.h"

#include <memory>
#include <utility>

#include "install/install_settings.h"
#include "installdata/copy_state.h"
#include "installdata/file_record.h"
#include "installdata/fileset_stream.h"
#include "installdata/install_paths.h"
#include "platform/platform.h"

namespace vorna {

InstallCopyJob::InstallCopyJob(FileSetStream& stream, std::string folder, uint32_t setTotal,
                               CopyState& state)
    : stream_(stream),
      folder_(std::move(folder)),
      setTotal_(setTotal),
      state_(state),
      worker_(state) {}

void InstallCopyJob::Start() {
  started_ = true;
  worker_.Start(stream_, folder_, setTotal_,
                pauseAtStart_ ? CopyStart::Paused : CopyStart::Running);
}

bool InstallCopyJob::Ended() const {
  return state_.Ended();
}

std::string InstallCopyJob::CurrentFile() const {
  return state_.CurrentFile();
}

double InstallCopyJob::Progress() const {
  return state_.Progress();
}

double InstallCopyJob::BytesCopied() const {
  return static_cast<double>(state_.BytesCopied());
}

double InstallCopyJob::TotalBytes() const {
  return setTotal_;
}

void InstallCopyJob::Pause() {
  // A pause asked for before the start holds the worker before its first file.
  if (!started_) pauseAtStart_ = true;
  worker_.RequestPause();
}

void InstallCopyJob::Resume() {
  worker_.Resume();
}

void InstallCopyJob::Stop() {
  worker_.RequestStop();
  worker_.Wait();
}

CopyOutcome InstallCopyJob::Finish() {
  return worker_.Wait();
}

namespace {

/// Why a file set could not be opened.
enum class FileSetOpen { Opened, Cancelled, Missing };

/// A stream over the program's own file, positioned at the set total; nullptr
/// when there is no file set or the user cancelled the disk prompt (*why
/// tells which).
std::unique_ptr<FileSetStream> OpenFileSet(platform::Platform& machine, FileSetOpen* why) {
  auto stream = std::make_unique<FileSetStream>(machine, machine.files->ProgramPath());
  *why = FileSetOpen::Cancelled;
  if (!stream->Open()) return nullptr;
  *why = FileSetOpen::Missing;
  if (stream->Locate() != FileSetPlace::Found) {
    stream->Close();
    return nullptr;
  }
  *why = FileSetOpen::Opened;
  return stream;
}

platform::event::CopyEnded CopyEndOf(const CopyOutcome& outcome, int dialogEnded) {
  platform::event::CopyEnded ended{platform::CopyEnd::Completed, outcome.reason, outcome.records};
  if (dialogEnded != platform::kDialogAccepted || outcome.result == CopyResult::Stopped) {
    ended.result = platform::CopyEnd::Stopped;
    if (ended.reason.empty()) ended.reason = "the user quit";
  } else if (outcome.result == CopyResult::Failure) {
    ended.result = platform::CopyEnd::Failed;
  }
  return ended;
}

/// Reports that COPYFILES found nothing to copy: a quit when the user
/// cancelled the disk prompt, a failed copy when the image has no file set.
void ReportNoFileSet(platform::Platform& machine, FileSetOpen why) {
  if (why == FileSetOpen::Cancelled) {
    platform::Emit(machine, platform::event::UserQuit{"disk"});
  } else {
    platform::Emit(
        machine, platform::event::CopyEnded{platform::CopyEnd::Failed, "there is no file set", 0});
  }
}

}  // namespace

void CalcSpace(platform::Platform& machine) {
  FileSetOpen why;
  std::unique_ptr<FileSetStream> stream = OpenFileSet(machine, &why);
  if (!stream) return;
  SharedInstallSettings().setSetTotal(ReadSetTotal(*stream));
  stream->Close();
}

bool CopyFilesStep(platform::Platform& machine) {
  FileSetOpen why;
  std::unique_ptr<FileSetStream> stream = OpenFileSet(machine, &why);
  if (!stream) {
    ReportNoFileSet(machine, why);
    return false;
  }
  InstallSettings& settings = SharedInstallSettings();
  uint32_t total = ReadSetTotal(*stream);
  settings.setSetTotal(total);
  // The copy works below the folder with its separator, and the script sees
  // the path so afterwards (when it still fits the field).
  std::string folder = WithTrailingSeparator(settings.Get(InstallField::InstallPath));
  settings.Set(InstallField::InstallPath, folder);
  InstallCopyJob job(*stream, folder, total, SharedCopyState());
  platform::ProgressDialogRequest request{settings.Get(InstallField::InstallName), &job};
  int ended = machine.interaction->ProgressDialog(request);
  CopyOutcome outcome = job.Finish();
  stream->Close();
  if (ended != platform::kDialogAccepted)
    platform::Emit(machine, platform::event::UserQuit{"copy"});
  platform::Emit(machine, CopyEndOf(outcome, ended));
  return ended == platform::kDialogAccepted && outcome.result == CopyResult::Success;
}

}  // namespace vorna
