// The copy on a thread of its own, as the progress display drives it.
//
// The display starts the worker, polls the shared copy state (current file,
// fraction, the "*" end mark) and Finished(), may pause the worker while it
// asks the user whether to quit, and may stop it. Pause and stop take effect
// at safe points (between records and between output blocks), so no file is
// left half written and the stream stays consistent. The copy uses as many
// workers as CopyWorkerCount answers (record_source.h).
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "installdata/copy_files.h"

namespace vorna {

class CopyState;
class FileSetStream;

/// Whether a started worker copies at once or holds at its first safe point
/// (before the first record) until Resume or RequestStop.
enum class CopyStart { Running, Paused };

class CopyWorker : private CopyControl {
 public:
  /// A worker that reports through state.
  explicit CopyWorker(CopyState& state) : state_(state) {}
  /// Stops a running copy at its next safe point and waits for it.
  ~CopyWorker() override;
  CopyWorker(const CopyWorker&) = delete;
  CopyWorker& operator=(const CopyWorker&) = delete;

  /// Clears the state and starts copying from a located stream whose set total
  /// was read; the stream must stay open until Wait returns.
  void Start(FileSetStream& stream, std::string installFolder, uint32_t setTotal,
             CopyStart start = CopyStart::Running);
  /// True once the copy has ended (the outcome is ready for Wait).
  bool Finished() const { return finished_.load(); }
  /// Asks the worker to wait at its next safe point.
  void RequestPause();
  /// Lets a paused worker go on.
  void Resume();
  /// Asks the worker to end at its next safe point (a paused worker ends too).
  void RequestStop();
  /// Waits for the copy to end and answers how it ended.
  CopyOutcome Wait();

 private:
  bool Continue() override;

  CopyState& state_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable resumed_;
  bool pause_ = false;
  bool stop_ = false;
  std::atomic<bool> finished_{false};
  CopyOutcome outcome_;
};

}  // namespace vorna
