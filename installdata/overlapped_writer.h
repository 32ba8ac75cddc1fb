// Writes decoded blocks to a file on a thread of its own, so that decoding the
// next block and writing the last one overlap. Each block is handed over when
// the next one comes, so a file of a single block is written by the caller,
// without waking the thread.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "installdata/huffman_decoder.h"
#include "platform/files.h"

namespace vorna {

class OverlappedWriter : public DecodeOutput {
 public:
  OverlappedWriter();
  ~OverlappedWriter() override;
  OverlappedWriter(const OverlappedWriter&) = delete;
  OverlappedWriter& operator=(const OverlappedWriter&) = delete;

  /// Directs the following blocks to file (which must outlive Finish).
  void Begin(platform::File* file);
  /// Takes a block to write; false when an earlier write failed.
  bool Put(const uint8_t* bytes, size_t size) override;
  /// Writes what is left and waits until every block is written; true when
  /// all writes succeeded.
  bool Finish();

 private:
  void Run();
  /// Gives the held block to the writing thread; false when an earlier write failed.
  bool HandOver();
  void WaitIdle(std::unique_lock<std::mutex>& lock);

  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<uint8_t> held_;  // the newest block, not yet handed over
  bool holding_ = false;
  std::vector<uint8_t> pending_;
  bool busy_ = false;  // pending_ holds a block to write
  bool quit_ = false;
  bool failed_ = false;
  platform::File* file_ = nullptr;
  std::thread thread_;
};

}  // namespace vorna
