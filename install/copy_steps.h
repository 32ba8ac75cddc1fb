// The copying steps of an installation: CALCSPACE reads the set total, and
// COPYFILES copies the file set into the install path under the progress
// dialog.
#pragma once

#include <cstdint>
#include <string>

#include "installdata/copy_files.h"
#include "installdata/copy_worker.h"
#include "platform/platform.h"

namespace vorna {

class CopyState;
class FileSetStream;

/// The copy as the progress dialog drives it: a copy worker over a located
/// stream, reporting through a copy state.
class InstallCopyJob : public platform::CopyJob {
 public:
  /// A job that will copy from stream (located, its set total read) into folder.
  InstallCopyJob(FileSetStream& stream, std::string folder, uint32_t setTotal, CopyState& state);

  void Start() override;
  bool Ended() const override;
  std::string CurrentFile() const override;
  double Progress() const override;
  double BytesCopied() const override;
  double TotalBytes() const override;
  void Pause() override;
  void Resume() override;
  void Stop() override;

  /// Waits for the worker and answers how the copy ended.
  CopyOutcome Finish();

 private:
  bool started_ = false;
  bool pauseAtStart_ = false;
  FileSetStream& stream_;
  std::string folder_;
  uint32_t setTotal_;
  CopyState& state_;
  CopyWorker worker_;
};

/// Reads the set total from the program's file set into the install
/// settings; without a file set (or when the disk prompt was cancelled) the
/// total keeps its value.
void CalcSpace(platform::Platform& machine);

/// Copies the file set into the install path with the progress dialog; true
/// when the whole set was copied. Without a file set the answer is false and
/// no dialog is shown; a quit, a damaged set or a file that could not be
/// written answer false too.
bool CopyFilesStep(platform::Platform& machine);

}  // namespace vorna
