// Where the copy takes its records from: one after another from the stream,
// or, with more than one worker, partly decoded ahead on threads of their own.
//
// Either way the copy sees the same headers, the same blocks of data in the
// same sizes and the same results, in the set's order: it writes, reports
// progress and fails exactly as it would with one worker. Decoding ahead
// needs the set's index (fileset_index.h) to find the records; a record
// decoded ahead is used only when its offset is where the previous record
// really ended and its data decoded whole. Anything else (no index, an
// offset that does not fit, damage, a read error) is read and decoded again
// from the stream, in order, as one worker would, and from a misfit offset
// on the rest of the set is read that way.
#pragma once

#include <cstdint>
#include <memory>

#include "installdata/file_record.h"
#include "installdata/record_decoder.h"

namespace vorna {

namespace platform {
struct Platform;
}

class FileSetStream;

class RecordSource {
 public:
  virtual ~RecordSource() = default;
  /// Reads the next record header (or the end marker).
  virtual HeaderStatus NextHeader(RecordHeader* header) = 0;
  /// Decodes the data of the record whose header was read last, once.
  virtual DecodeResult Decode(uint64_t limit, DecodeOutput& output) = 0;
  /// The records so far whose data another thread had decoded.
  virtual uint32_t decodedAhead() const { return 0; }
};

/// A source over a located stream whose set total was read: workers
/// threads decode ahead when workers > 1 and the set has an index.
std::unique_ptr<RecordSource> MakeRecordSource(FileSetStream& stream, int workers);

/// The workers a copy uses: the environment variable VORNA_WORKERS when it
/// holds a number from 1 to 8 (for tests and measurements), else one per
/// processor core, at most two.
int CopyWorkerCount(const platform::Platform& machine);

}  // namespace vorna
