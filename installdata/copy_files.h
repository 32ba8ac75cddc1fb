// Copying the file set into the install folder.
//
// Each record is decoded into its destination below the install folder,
// unless the file there is at least as new (its last write time is equal or
// later): then the file is kept as it is, times included, and the data is
// decoded into the null sink so the next record is read in step. Missing
// folders are created on the way.
//
// A file is never written in place. The new content goes to a temporary file
// created exclusively, under a name no one can predict, beside the
// destination; it gets the record's times and then replaces the destination
// in one step. So the destination holds either its old content or the whole
// new file, whatever fails; when the temporary file cannot be made or the
// replacement fails, the record is not written and the copy fails. Temporary
// files left by a killed run are removed when their destination is written.
//
// A record whose name would leave the install folder, or whose path crosses
// a link, junction or other reparse point, is never written: its data is
// consumed and the record is reported as refused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorna {

class CopyState;
class FileSetStream;

enum class CopyResult { Success, Failure, Stopped };

/// What became of one record of the set.
enum class RecordFate {
  Written,     // the destination holds the record's content and times
  Kept,        // a file at least as new was there and was left untouched
  Refused,     // the name or the path was unsafe; nothing was touched
  NotWritten,  // the destination could not be replaced; it holds what it held
};

/// One record's fate, with the reason when it was refused or not written.
struct RecordReport {
  std::string name;  // the record's name, as the set holds it
  RecordFate fate = RecordFate::Written;
  std::string reason;
};

/// How a copy ended, for the script (success or not) and for a report.
struct CopyOutcome {
  CopyResult result = CopyResult::Success;
  std::string reason;                 // why it failed or stopped; empty on success
  std::vector<RecordReport> reports;  // every record whose data was consumed, in order
  uint32_t records = 0;               // records read, the refused ones included
  uint32_t decodedAhead = 0;          // of them, those another worker decoded

  /// The reports of one fate, in order.
  std::vector<RecordReport> Reports(RecordFate fate) const;
};

/// Where a copy may pause or stop: between records and between output blocks.
class CopyControl {
 public:
  virtual ~CopyControl() = default;
  /// Waits while a pause is requested; false when the copy must stop.
  virtual bool Continue() = 0;
};

/// Copies the file set from a located stream whose set total was read.
/// installFolder gets a trailing backslash when it has none. With more than
/// one worker, records are decoded ahead on that many threads
/// (record_source.h); what the copy does and reports stays the same.
CopyOutcome CopyFiles(FileSetStream& stream, const std::string& installFolder, uint32_t setTotal,
                      CopyState& state, CopyControl* control = nullptr, int workers = 1);

/// The start of the names of the temporary files written for a destination
/// named name: "~vorna-" and eight hexadecimal digits drawn from the name
/// (letter case aside), so a killed run's files are found again by it.
std::string TemporaryPrefix(const std::string& name);

}  // namespace vorna
