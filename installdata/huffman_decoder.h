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

#include "installdata/huffman_model.h"

namespace vorna {

class FileSetStream;

/// Receives decoded bytes block by block.
class DecodeOutput {
 public:
  virtual ~DecodeOutput() = default;
  /// Takes size decoded bytes; false ends the decode (a failed write or a stop).
  virtual bool Put(const uint8_t* bytes, size_t size) = 0;
};

enum class DecodeStatus {
  Complete,      // the end-of-stream symbol was met
  TooLong,       // more bytes than the limit
  EndOfData,     // the data ended inside the record
  ReadError,     // the install disk could not be read
  BadEscape,     // an escape for a byte already in the tree
  OutputFailed,  // the output refused a block
};

struct DecodeResult {
  DecodeStatus status = DecodeStatus::Complete;
  uint64_t size = 0;  // bytes handed to the output
};

class HuffmanDecoder {
 public:
  HuffmanDecoder();

  /// Decodes one record's data from the stream's current bit into output, at
  /// most limit bytes. The stream is left just after the last bit used.
  DecodeResult Decode(FileSetStream& stream, uint64_t limit, DecodeOutput& output);

 private:
  static constexpr size_t kBufferSize = 128 * 1024;
  HuffmanModel model_;
  std::unique_ptr<uint8_t[]> buffer_;
};

}  // namespace vorna
