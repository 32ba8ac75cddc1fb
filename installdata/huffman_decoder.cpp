#include "installdata/huffman_decoder.h"

#include <algorithm>

#include "installdata/fileset_stream.h"

namespace vorna {

namespace {

// A symbol's walk starts with at least this many bits in hand, so that it
// needs no check per bit: no tree whose weights stay below the rebuild limit
// is this deep. Deeper walks are still decoded exactly, bit by bit.
constexpr int kWalkBits = 32;
constexpr int kEndLeaf = -1 - HuffmanModel::kEndOfStream;

}  // namespace

HuffmanDecoder::HuffmanDecoder() : buffer_(new uint8_t[kBufferSize]) {}

DecodeResult HuffmanDecoder::Decode(FileSetStream& stream, uint64_t limit, DecodeOutput& output) {
  model_.Reset();
  BitReader bits(stream);
  Record record{stream, bits, output, limit};
  const int32_t* child = model_.children();
  uint8_t* const buffer = buffer_.get();
  // The bits, the output position and the room stay in registers; the
  // record sees them again only for the rare steps.
  BitReader::Window window = bits.Take();
  uint8_t* out = buffer;
  size_t room = 0;  // symbols that can take the fast path: none before the first look
  for (;;) {
    if (window.count < kWalkBits) {
      window = bits.Refilled(window);
      if (bits.MayBePastEnd()) room = 0;  // each symbol is checked from now on
    }
    if (model_.TopChanged()) BuildTopTable();
    // The table takes the first kTopBits bits at once; the walk goes on
    // from where it ends.
    BitReader::Window start = window;
    uint32_t entry = top_[window.bits >> (64 - kTopBits)];
    ptrdiff_t node = entry & 0xFFFF;
    int used = static_cast<int>(entry >> 16);
    window.bits <<= used;
    ptrdiff_t next;
    while ((next = child[node]) >= 0) {
      node = next + static_cast<ptrdiff_t>(window.bits >> 63);
      window.bits <<= 1;
      ++used;
    }
    window.count -= used;
    if (window.count < 0) {  // deeper than the bits in hand: again, bit by bit
      window = start;
      node = WalkBitByBit(bits, window);
      next = child[node];
      room = 0;
    }
    if (room != 0 && next > kEndLeaf) {
      // A plain byte, far from every limit.
      *out++ = static_cast<uint8_t>(-1 - next);
      model_.UpdateLeaf(static_cast<int>(node));
      if (--room != 0) continue;
      record.window = window;
      record.fill = static_cast<size_t>(out - buffer);
      bool more = Replenish(record);
      out = buffer + record.fill;
      room = record.room;
      if (more) continue;
      break;
    }
    record.window = window;
    record.fill = static_cast<size_t>(out - buffer);
    bool more = FinishSymbol(record, static_cast<int>(node));
    window = record.window;
    out = buffer + record.fill;
    room = record.room;
    if (!more) break;
  }
  bits.Restore(window);
  size_t fill = static_cast<size_t>(out - buffer);
  record.result.size = record.flushed + fill;
  if (record.result.status != DecodeStatus::OutputFailed && fill > 0 && !output.Put(buffer, fill)) {
    record.result.status = DecodeStatus::OutputFailed;
  }
  return record.result;
}

void HuffmanDecoder::BuildTopTable() {
  // Each entry is where the walk from the root stands after the entry's
  // bits: a leaf reached on the way, or the node kTopBits deep. It stays
  // right while the inner nodes passed on the way keep their children.
  struct Step {
    int node;
    int depth;
    uint32_t prefix;
  };
  Step stack[2 * kTopBits + 2];
  int size = 0;
  model_.StartWatch();
  stack[size++] = {0, 0, 0};
  while (size > 0) {
    Step step = stack[--size];
    if (model_.IsLeaf(step.node) || step.depth == kTopBits) {
      uint32_t first = step.prefix << (kTopBits - step.depth);
      uint32_t entry = static_cast<uint32_t>(step.node) | static_cast<uint32_t>(step.depth) << 16;
      std::fill(top_ + first, top_ + first + (1u << (kTopBits - step.depth)), entry);
      continue;
    }
    model_.Watch(step.node);
    int first = model_.FirstChild(step.node);
    stack[size++] = {first, step.depth + 1, step.prefix << 1};
    stack[size++] = {first + 1, step.depth + 1, step.prefix << 1 | 1};
  }
}

int HuffmanDecoder::WalkBitByBit(BitReader& bits, BitReader::Window& window) {
  const int32_t* child = model_.children();
  int node = 0;
  int32_t next;
  while ((next = child[node]) >= 0) {
    if (window.count == 0) window = bits.Refilled(window);
    node = next + static_cast<int>(window.bits >> 63);
    window.bits <<= 1;
    --window.count;
  }
  return node;
}

bool HuffmanDecoder::FinishSymbol(Record& record, int leaf) {
  BitReader& bits = record.bits;
  BitReader::Window& window = record.window;
  int symbol = model_.SymbolOf(leaf);
  if (symbol == HuffmanModel::kEscape) {
    if (window.count < 8) window = bits.Refilled(window);
    symbol = static_cast<int>(window.bits >> 56);
    window.bits <<= 8;
    window.count -= 8;
  }
  if (bits.MayBePastEnd()) {
    bits.Restore(window);
    if (bits.PastEnd()) {
      return Stop(record,
                  record.stream.failed() ? DecodeStatus::ReadError : DecodeStatus::EndOfData);
    }
  }
  if (symbol == HuffmanModel::kEndOfStream) return false;
  bool escaped = model_.SymbolOf(leaf) == HuffmanModel::kEscape;
  if (escaped) {
    if (!model_.CanAdd(symbol)) return Stop(record, DecodeStatus::BadEscape);
    model_.Add(symbol);
  }
  if (record.flushed + record.fill == record.limit) return Stop(record, DecodeStatus::TooLong);
  buffer_[record.fill++] = static_cast<uint8_t>(symbol);
  // A new leaf or a due rebuild take the full update.
  if (escaped || model_.UpdatesBeforeRebuild() == 0) {
    model_.Update(symbol);
  } else {
    model_.UpdateLeaf(leaf);
  }
  return Replenish(record);
}

bool HuffmanDecoder::Replenish(Record& record) {
  record.room = 0;
  if (record.fill == kBufferSize) {
    bool put = record.output.Put(buffer_.get(), record.fill);
    record.flushed += record.fill;
    record.fill = 0;
    if (!put) return Stop(record, DecodeStatus::OutputFailed);
  }
  if (record.bits.MayBePastEnd()) return true;  // each symbol is checked from now on
  // The fast path needs no check until one of these runs out.
  uint64_t beforeLimit = record.limit - (record.flushed + record.fill);
  record.room = static_cast<size_t>(
      std::min<uint64_t>({kBufferSize - record.fill, beforeLimit, model_.UpdatesBeforeRebuild()}));
  return true;
}

bool HuffmanDecoder::Stop(Record& record, DecodeStatus status) {
  record.result.status = status;
  return false;
}

}  // namespace vorna
