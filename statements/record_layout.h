// The binary record layout of GET and PUT, by the value's type (numbers
// little-endian):
//
//   STRING     2-byte signed length n, then n bytes of text, no terminator
//   REAL       8-byte IEEE double (read back into the 32-bit REAL)
//   DOUBLE     8-byte IEEE double
//   INTEGER    8 bytes: the 16-bit value, then six zero bytes
//   LONG       4 bytes
//   BYTE, BOOLEAN (1 true, 0 false), CHARACTER   1 byte
#pragma once

#include <string>

#include "platform/files.h"

namespace vorna {

class Value;

/// The longest text a STRING record can hold (its length is a signed 16-bit number).
constexpr size_t kMaxRecordText = 32767;

/// The record PUT writes for value. "Illegal Use" for an untyped or OBJECT
/// value, "Illegal Value" for a text longer than kMaxRecordText.
std::string EncodeRecord(const Value& value);

/// Reads one record of the variable's type at the file pointer into variable.
/// Bytes past the end of the file read as zero; a STRING record is read whole
/// at any length. "Illegal Use" for an untyped or OBJECT variable, "Disk"
/// when the read fails.
void ReadRecord(platform::File& file, Value& variable);

}  // namespace vorna
