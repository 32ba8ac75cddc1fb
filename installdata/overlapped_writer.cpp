#include "installdata/overlapped_writer.h"

namespace vorna {

OverlappedWriter::OverlappedWriter() : thread_([this] { Run(); }) {}

OverlappedWriter::~OverlappedWriter() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    WaitIdle(lock);
    quit_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void OverlappedWriter::WaitIdle(std::unique_lock<std::mutex>& lock) {
  changed_.wait(lock, [this] { return !busy_; });
}

void OverlappedWriter::Begin(platform::File* file) {
  std::unique_lock<std::mutex> lock(mutex_);
  WaitIdle(lock);
  file_ = file;
  failed_ = false;
  holding_ = false;
}

bool OverlappedWriter::Put(const uint8_t* bytes, size_t size) {
  // The newest block stays here until the next one comes: a file of one
  // block (most files) is then written by Finish on the calling thread,
  // which spares the two thread switches of a hand-over.
  if (holding_ && !HandOver()) return false;
  held_.assign(bytes, bytes + size);
  holding_ = true;
  return true;
}

bool OverlappedWriter::HandOver() {
  std::unique_lock<std::mutex> lock(mutex_);
  WaitIdle(lock);
  holding_ = false;
  if (failed_) return false;
  pending_.swap(held_);
  busy_ = true;
  lock.unlock();
  changed_.notify_all();
  return true;
}

bool OverlappedWriter::Finish() {
  std::unique_lock<std::mutex> lock(mutex_);
  WaitIdle(lock);
  if (holding_ && !failed_) {
    failed_ = !(file_ && file_->Write(held_.data(), held_.size()));
  }
  holding_ = false;
  return !failed_;
}

void OverlappedWriter::Run() {
  std::vector<uint8_t> block;
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return busy_ || quit_; });
    if (!busy_) return;  // quit with nothing left to write
    block.swap(pending_);
    platform::File* file = file_;
    lock.unlock();
    bool written = file && file->Write(block.data(), block.size());
    lock.lock();
    if (!written) failed_ = true;
    busy_ = false;
    changed_.notify_all();
  }
}

}  // namespace vorna
