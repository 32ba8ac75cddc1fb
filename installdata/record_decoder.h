// Reading one file record's data, whatever codec the file set was packed
// with: every reader of a file set (the copy, the packer's list, verify and
// extract, the fuzz targets) decodes records through this one interface, so
// the limits and the damage rules are the same for every codec.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "installdata/fileset_codec.h"

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
  Complete,       // the record's data ended where it should
  TooLong,        // more bytes than the limit
  EndOfData,      // the data ended inside the record
  ReadError,      // the install disk could not be read
  BadEscape,      // an escape for a byte already in the tree
  BadData,        // compressed data that does not decode
  TrailingData,   // the record holds more data than its stream used
  CheckMismatch,  // the data decoded, but not to what was packed
  OutputFailed,   // the output refused a block
};

struct DecodeResult {
  DecodeStatus status = DecodeStatus::Complete;
  uint64_t size = 0;  // bytes handed to the output
};

class RecordDecoder {
 public:
  virtual ~RecordDecoder() = default;
  /// Decodes one record's data from the stream (just after the record's
  /// header) into output, at most limit bytes. After a complete decode the
  /// stream stands at the next record's header.
  virtual DecodeResult Decode(FileSetStream& stream, uint64_t limit, DecodeOutput& output) = 0;
};

/// The decoder of a known codec's records.
std::unique_ptr<RecordDecoder> MakeRecordDecoder(FileSetCodec codec);

}  // namespace vorna
