// Decoding records ahead of the copy on threads of their own (see
// record_source.h for what the copy sees).
//
// The copy takes the records in order. Each helper claims the first record
// ahead of the copy that no one has claimed, decodes it from its own stream
// (reached through the index) into memory and leaves it for the copy; the
// copy decodes a record itself, straight into its file, when it reaches one
// that no helper claimed. Helpers stay within a window of records and bytes
// ahead, leave large records to the copy, and stop between blocks when the
// copy ends.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "installdata/record_source.h"

namespace vorna {

class DecodeAhead : public RecordSource {
 public:
  /// Decodes ahead of stream (located, its set total read, with an index)
  /// on that many helper threads.
  DecodeAhead(FileSetStream& stream, int helpers);
  /// Stops the helpers between blocks and waits for them.
  ~DecodeAhead() override;
  DecodeAhead(const DecodeAhead&) = delete;
  DecodeAhead& operator=(const DecodeAhead&) = delete;

  HeaderStatus NextHeader(RecordHeader* header) override;
  DecodeResult Decode(uint64_t limit, DecodeOutput& output) override;
  uint32_t decodedAhead() const override { return decodedAhead_; }

 private:
  /// One record decoded ahead.
  struct Slot {
    enum class State { Free, Busy, Ready };
    State state = State::Free;
    bool usable = false;  // decoded whole: the copy may take it
    RecordHeader header;
    std::vector<std::vector<uint8_t>> blocks;  // as the decoder handed them on
    DecodeResult result;
    uint64_t end = 0;    // where the next record starts, from the set's start
    uint64_t bytes = 0;  // held in blocks
  };

  /// A helper thread: claims and decodes records until told to stop.
  void Help();
  /// Whether a helper may claim claim_ now (moves claim_ past taken records).
  bool Claimable();
  /// Decodes record index from stream into a slot (not usable when anything went wrong).
  Slot DecodeRecord(FileSetStream& stream, RecordDecoder& decoder, size_t index);
  /// Takes record index for the copy: the slot a helper filled, or an
  /// empty one when the copy must read the record itself.
  Slot TakeRecord(size_t index);
  void StopHelpers();

  FileSetStream& stream_;
  std::unique_ptr<RecordDecoder> decoder_;  // the copy's own
  const std::vector<uint32_t> offsets_;
  std::vector<Slot> slots_;
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_ = 0;        // the record the copy takes next
  size_t claim_ = 0;       // the first record a helper may claim
  uint64_t buffered_ = 0;  // bytes held in ready slots
  std::atomic<bool> stop_{false};
  bool trusting_ = true;  // the index has fitted so far
  bool own_ = true;       // the copy decodes the current record itself
  Slot current_;          // the current record when a helper decoded it
  uint32_t decodedAhead_ = 0;
  std::vector<std::thread> helpers_;
};

}  // namespace vorna
