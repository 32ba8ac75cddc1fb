// Decoding one file record's data: adaptive Huffman symbols read from the
// file-set stream until the end-of-stream symbol.
//
// The decode is bounded: it never produces more bytes than the record's size
// field announces, stops as soon as it would use a bit from past the end of
// the data, and treats an escape for a byte that already has a leaf as damage,
// so a damaged or hostile file set can neither hang the copy nor overrun the
// node table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "installdata/fileset_stream.h"
#include "installdata/huffman_model.h"
#include "installdata/record_decoder.h"

namespace vorna {

class HuffmanDecoder {
 public:
  HuffmanDecoder();

  /// Decodes one record's data from the stream's current bit into output, at
  /// most limit bytes. The stream is left just after the last bit used.
  DecodeResult Decode(FileSetStream& stream, uint64_t limit, DecodeOutput& output);

 private:
  static constexpr size_t kBufferSize = 128 * 1024;
  // The table of the top of the tree resolves this many bits at once.
  static constexpr int kTopBits = 6;

  /// What the rare steps of one record's decode share.
  struct Record {
    FileSetStream& stream;
    BitReader& bits;
    DecodeOutput& output;
    uint64_t limit;
    uint64_t flushed = 0;  // bytes already handed to the output
    DecodeResult result = {};
    // The hot loop's registers, while a rare step runs.
    BitReader::Window window = {0, 0};
    size_t fill = 0;  // bytes in the buffer
    size_t room = 0;  // symbols that can take the fast path
  };

  /// Fills the table of the top of the tree from the model, and has the
  /// model watch the inner nodes the table passes through.
  void BuildTopTable();
  /// Walks from the root to a leaf, topping the bits up as they run out;
  /// returns the leaf.
  int WalkBitByBit(BitReader& bits, BitReader::Window& window);
  /// Ends a symbol the fast path does not take: an escape, the end of the
  /// stream, bits that may come from past the end, the limit, a walk deeper
  /// than the bits in hand or a due rebuild. False when the decode ends.
  bool FinishSymbol(Record& record, int leaf);
  /// Hands a full buffer on and works out how many symbols can take the fast
  /// path before the next check; false when the output refused the buffer.
  bool Replenish(Record& record);
  /// Ends the decode with status.
  static bool Stop(Record& record, DecodeStatus status);

  HuffmanModel model_;
  std::unique_ptr<uint8_t[]> buffer_;
  // For each value of the next kTopBits bits: the node the walk reaches
  // (low 16 bits) and the bits it used (high bits).
  uint32_t top_[1 << kTopBits];
};

}  // namespace vorna
