// Decoding one deflate record: its packed size and the CRC-32 of its
// unpacked data (unsigned 32-bit little-endian each), then exactly packed
// size bytes of one raw deflate stream.
//
// The packed size bounds the read, so the decoder never takes a byte of the
// next record: a stream that ends before the packed size is used up leaves
// trailing data, and one that needs more than it is cut short; both are
// damage, like data that does not decode, more bytes than the record's size
// field announces, or a set that ends inside the record. Deflate data with a
// flipped bit often still decodes, to other bytes: the check catches that,
// and since the copy puts a file in place only after its whole record
// decoded, such a file is never installed.
#pragma once

#include <cstdint>
#include <memory>

#include "installdata/record_decoder.h"

namespace vorna {

class DeflateDecoder : public RecordDecoder {
 public:
  DeflateDecoder();
  ~DeflateDecoder() override;
  DeflateDecoder(const DeflateDecoder&) = delete;
  DeflateDecoder& operator=(const DeflateDecoder&) = delete;

  DecodeResult Decode(FileSetStream& stream, uint64_t limit, DecodeOutput& output) override;

 private:
  struct Inflater;
  struct Record;

  /// Gives the inflater the record's next bytes; false, with the status
  /// set, when the set has none.
  bool Feed(Record& record);
  /// Inflates what the inflater holds into the buffer and hands it on;
  /// false when the decode has ended (complete or not).
  bool Inflate(Record& record);
  /// Hands the buffer's bytes on, up to the limit; false when the decode ends.
  bool Hand(Record& record, size_t produced);
  /// Ends a stream that reached its end: the record must end with it, and
  /// its data must match the check.
  void Finish(Record& record);

  static constexpr size_t kBufferSize = 128 * 1024;

  std::unique_ptr<Inflater> inflater_;
  std::unique_ptr<uint8_t[]> buffer_;
};

}  // namespace vorna
