// The file records of a file set: a zero-terminated name, the size, the three
// file times and the compressed data; a name with the byte 255 after its
// first byte ends the set.
#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"

namespace vorna {

class FileSetStream;

/// Names longer than this cannot form a path a Windows program can open.
constexpr size_t kMaxRecordName = 259;

struct RecordHeader {
  std::string name;  // relative destination path, backslashes between folders
  uint32_t size = 0;
  platform::FileTimes times;
};

enum class HeaderStatus {
  Record,     // a record follows: its data comes next
  EndMarker,  // the set's end marker
  Damaged,    // the data ended inside the header, or the name has no end
  ReadError,  // the install disk could not be read
};

/// Reads the next record header (or the end marker) from the stream.
HeaderStatus ReadRecordHeader(FileSetStream& stream, RecordHeader* header);

/// The set total at the start of the file set (read right after locating it).
uint32_t ReadSetTotal(FileSetStream& stream);

}  // namespace vorna
