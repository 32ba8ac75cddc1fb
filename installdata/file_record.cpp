#include "installdata/file_record.h"

#include "installdata/fileset_stream.h"

namespace vorna {

namespace {

uint64_t ReadLittleEndian(FileSetStream& stream, int bytes) {
  uint8_t data[8];
  stream.ReadBlock(data, static_cast<size_t>(bytes));
  uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | data[i];
  return value;
}

HeaderStatus Trouble(const FileSetStream& stream) {
  return stream.failed() ? HeaderStatus::ReadError : HeaderStatus::Damaged;
}

}  // namespace

uint32_t ReadSetTotal(FileSetStream& stream) {
  return static_cast<uint32_t>(ReadLittleEndian(stream, 4));
}

HeaderStatus ReadRecordHeader(FileSetStream& stream, RecordHeader* header) {
  header->name.clear();
  // The first byte belongs to the name whatever it is; 255 after it ends the set.
  header->name += static_cast<char>(stream.ReadByte());
  for (;;) {
    int byte = stream.ReadByte();
    if (byte < 0) return Trouble(stream);  // the data ended: not an end marker
    if (byte == 0) break;
    if (byte == 255) return HeaderStatus::EndMarker;
    // A name with no end in sight is damage, not a very long name.
    if (header->name.size() > 4 * kMaxRecordName) return HeaderStatus::Damaged;
    header->name += static_cast<char>(byte);
  }
  header->size = static_cast<uint32_t>(ReadLittleEndian(stream, 4));
  header->times.creation.ticks = ReadLittleEndian(stream, 8);
  header->times.lastAccess.ticks = ReadLittleEndian(stream, 8);
  header->times.lastWrite.ticks = ReadLittleEndian(stream, 8);
  if (stream.AtEnd() || stream.failed()) return Trouble(stream);
  return HeaderStatus::Record;
}

}  // namespace vorna
