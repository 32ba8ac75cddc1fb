// Copying the file set into the install folder.
//
// Each record is decoded into its destination below the install folder,
// unless the file there is at least as new (its last write time is equal or
// later), in which case the data is decoded into the null sink so the next
// record is read in step. The record's three times are set on the destination
// in either case. Missing folders are created on the way.
//
// A new file is first decoded into a temporary file beside the destination
// and moved over it only when complete, so a failed write, a damaged record or
// a stop never leaves a destination half written or destroys the older file.
// A record whose name would leave the install folder is never written: its
// data is consumed and the record is reported as refused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorna {

class CopyState;
class FileSetStream;

enum class CopyResult { Success, Failure, Stopped };

/// How a copy ended, for the script (success or not) and for a report.
struct CopyOutcome {
  CopyResult result = CopyResult::Success;
  std::string reason;                   // why it failed or stopped; empty on success
  std::vector<std::string> refused;     // record names never written, with the reason
  std::vector<std::string> notWritten;  // destinations that could not be replaced
  uint32_t records = 0;                 // records read, the refused ones included
};

/// Where a copy may pause or stop: between records and between output blocks.
class CopyControl {
 public:
  virtual ~CopyControl() = default;
  /// Waits while a pause is requested; false when the copy must stop.
  virtual bool Continue() = 0;
};

/// Copies the file set from a located stream whose set total was read.
/// installFolder gets a trailing backslash when it has none.
CopyOutcome CopyFiles(FileSetStream& stream, const std::string& installFolder, uint32_t setTotal,
                      CopyState& state, CopyControl* control = nullptr);

}  // namespace vorna
