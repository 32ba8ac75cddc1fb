#include "installdata/decode_ahead.h"

#include "installdata/fileset_stream.h"

namespace vorna {

namespace {

// How far helpers go ahead: the decoded bytes they hold, the records, and
// the largest record they take (larger ones the copy decodes into its file).
constexpr uint64_t kAheadBytes = 16 << 20;
constexpr size_t kAheadRecords = 256;
constexpr uint32_t kLargestAhead = 4 << 20;

// Keeps every block a decoder hands on; refuses once the copy has ended.
class BlockCapture : public DecodeOutput {
 public:
  explicit BlockCapture(const std::atomic<bool>& stop) : stop_(stop) {}
  bool Put(const uint8_t* bytes, size_t size) override {
    if (stop_.load(std::memory_order_relaxed)) return false;
    blocks.emplace_back(bytes, bytes + size);
    return true;
  }
  std::vector<std::vector<uint8_t>> blocks;

 private:
  const std::atomic<bool>& stop_;
};

}  // namespace

DecodeAhead::DecodeAhead(FileSetStream& stream, int helpers)
    : stream_(stream),
      decoder_(MakeRecordDecoder(stream.codec())),
      offsets_(stream.recordOffsets()),
      slots_(offsets_.size()) {
  for (int i = 0; i < helpers; ++i) helpers_.emplace_back([this] { Help(); });
}

DecodeAhead::~DecodeAhead() {
  StopHelpers();
}

void DecodeAhead::StopHelpers() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  for (std::thread& helper : helpers_) helper.join();
  helpers_.clear();
}

bool DecodeAhead::Claimable() {
  if (claim_ < next_) claim_ = next_;
  while (claim_ < slots_.size() && slots_[claim_].state != Slot::State::Free) ++claim_;
  return claim_ < slots_.size() && claim_ < next_ + kAheadRecords && buffered_ < kAheadBytes;
}

void DecodeAhead::Help() {
  FileSetStream stream(stream_.machine(), stream_.path());
  if (!stream.OpenCopyOf(stream_)) return;  // the copy reads everything itself
  std::unique_ptr<RecordDecoder> decoder = MakeRecordDecoder(stream.codec());
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stop_ || Claimable(); });
    if (stop_) return;
    size_t index = claim_++;
    slots_[index].state = Slot::State::Busy;
    lock.unlock();
    Slot slot = DecodeRecord(stream, *decoder, index);
    lock.lock();
    slot.state = Slot::State::Ready;
    buffered_ += slot.bytes;
    slots_[index] = std::move(slot);
    changed_.notify_all();
  }
}

DecodeAhead::Slot DecodeAhead::DecodeRecord(FileSetStream& stream, RecordDecoder& decoder,
                                            size_t index) {
  Slot slot;
  if (!stream.SeekTo(offsets_[index])) return slot;
  if (ReadRecordHeader(stream, &slot.header) != HeaderStatus::Record) return slot;
  if (slot.header.size > kLargestAhead) return slot;
  BlockCapture capture(stop_);
  slot.result = decoder.Decode(stream, slot.header.size, capture);
  if (slot.result.status != DecodeStatus::Complete || stream.failed()) return slot;
  slot.usable = true;
  slot.blocks = std::move(capture.blocks);
  slot.end = stream.SetOffset();
  slot.bytes = slot.result.size;
  return slot;
}

DecodeAhead::Slot DecodeAhead::TakeRecord(size_t index) {
  std::unique_lock<std::mutex> lock(mutex_);
  next_ = index + 1;  // the window moves on
  changed_.notify_all();
  Slot& slot = slots_[index];
  if (slot.state == Slot::State::Free) {
    slot.state = Slot::State::Busy;  // the copy's own
    return Slot{};
  }
  changed_.wait(lock, [&slot] { return slot.state == Slot::State::Ready; });
  Slot taken = std::move(slot);
  slot = Slot{};
  slot.state = Slot::State::Ready;
  buffered_ -= taken.bytes;
  changed_.notify_all();
  return taken;
}

HeaderStatus DecodeAhead::NextHeader(RecordHeader* header) {
  own_ = true;
  current_ = Slot{};
  uint64_t at = stream_.SetOffset();
  if (trusting_ && next_ < offsets_.size() && offsets_[next_] == at) {
    current_ = TakeRecord(next_);
    if (current_.usable) {
      own_ = false;
      ++decodedAhead_;
      *header = current_.header;
      return HeaderStatus::Record;
    }
  } else if (trusting_) {
    // The index does not fit the set (or the set goes on past it): the
    // rest is read in order, as with one worker.
    trusting_ = false;
    StopHelpers();
  }
  return ReadRecordHeader(stream_, header);
}

DecodeResult DecodeAhead::Decode(uint64_t limit, DecodeOutput& output) {
  if (own_) return decoder_->Decode(stream_, limit, output);
  DecodeResult result;
  // The stream passes the record first, as decoding it would have.
  if (!stream_.SkipTo(current_.end)) {
    result.status = stream_.failed() ? DecodeStatus::ReadError : DecodeStatus::EndOfData;
    return result;
  }
  for (const std::vector<uint8_t>& block : current_.blocks) {
    if (!output.Put(block.data(), block.size())) {
      result.status = DecodeStatus::OutputFailed;
      return result;
    }
    result.size += block.size();
  }
  current_.blocks.clear();
  result.status = current_.result.status;
  return result;
}

}  // namespace vorna
