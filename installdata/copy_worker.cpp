#include "installdata/copy_worker.h"

#include "installdata/copy_state.h"
#include "installdata/fileset_stream.h"
#include "installdata/record_source.h"

namespace vorna {

CopyWorker::~CopyWorker() {
  if (thread_.joinable()) {
    RequestStop();
    thread_.join();
  }
}

void CopyWorker::Start(FileSetStream& stream, std::string installFolder, uint32_t setTotal,
                       CopyStart start) {
  if (thread_.joinable()) Wait();
  state_.Clear();
  pause_ = start == CopyStart::Paused;
  stop_ = false;
  finished_ = false;
  thread_ = std::thread([this, &stream, installFolder = std::move(installFolder), setTotal] {
    outcome_ =
        CopyFiles(stream, installFolder, setTotal, state_, this, CopyWorkerCount(stream.machine()));
    finished_ = true;
  });
}

void CopyWorker::RequestPause() {
  std::lock_guard<std::mutex> lock(mutex_);
  pause_ = true;
}

void CopyWorker::Resume() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    pause_ = false;
  }
  resumed_.notify_all();
}

void CopyWorker::RequestStop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  resumed_.notify_all();
}

CopyOutcome CopyWorker::Wait() {
  if (thread_.joinable()) thread_.join();
  return outcome_;
}

bool CopyWorker::Continue() {
  std::unique_lock<std::mutex> lock(mutex_);
  resumed_.wait(lock, [this] { return !pause_ || stop_; });
  return !stop_;
}

}  // namespace vorna
