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
  return state_.Progress() * setTotal_;
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

/// A stream over the program's own file, positioned at the set total; nullptr
/// when there is no file set or the user cancelled the disk prompt.
std::unique_ptr<FileSetStream> OpenFileSet(platform::Platform& machine) {
  auto stream = std::make_unique<FileSetStream>(machine, machine.files->ProgramPath());
  if (!stream->Open()) return nullptr;
  if (stream->Locate() != FileSetPlace::Found) {
    stream->Close();
    return nullptr;
  }
  return stream;
}

}  // namespace

void CalcSpace(platform::Platform& machine) {
  std::unique_ptr<FileSetStream> stream = OpenFileSet(machine);
  if (!stream) return;
  SharedInstallSettings().setSetTotal(ReadSetTotal(*stream));
  stream->Close();
}

bool CopyFilesStep(platform::Platform& machine) {
  std::unique_ptr<FileSetStream> stream = OpenFileSet(machine);
  if (!stream) return false;
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
  return ended == platform::kDialogAccepted && outcome.result == CopyResult::Success;
}

}  // namespace vorna
