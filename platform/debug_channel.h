// The channel to an attached debugger: fixed-size records in both directions.
//
// The runtime writes its line reports, output and watch answers as records
// and reads the debugger's replies the same way; the debugger client uses
// the same interface from the other end.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorna::platform {

/// Every message in either direction is exactly this many bytes.
constexpr size_t kDebugRecordSize = 256;
using DebugRecordBytes = std::array<uint8_t, kDebugRecordSize>;

/// What one attempt to read a record brought.
enum class ChannelRead {
  Record,   // a whole record arrived
  Nothing,  // the read delivered no bytes; the caller asks again
  Failed,   // the other end is gone, or the read broke off inside a record
};

class DebugChannel {
 public:
  virtual ~DebugChannel() = default;
  /// Writes the whole record and flushes it; false when the write failed or
  /// went out short.
  virtual bool Write(const DebugRecordBytes& record) = 0;
  /// Reads one whole record into record.
  virtual ChannelRead Read(DebugRecordBytes& record) = 0;
};

}  // namespace vorna::platform
