#include "tools/pack/authoring/container_directory.h"

#include <cstring>
#include <istream>
#include <stdexcept>

#include "installdata/container.h"
#include "installdata/scramble.h"
#include "installdata/trailer.h"

namespace vorna::authoring {

namespace {

uint64_t StreamSize(std::istream& in) {
  in.seekg(0, std::ios::end);
  auto size = in.tellg();
  if (size < 0) throw std::runtime_error("cannot read the image");
  return static_cast<uint64_t>(size);
}

Trailer ReadImageTrailer(std::istream& in, uint64_t size) {
  uint8_t bytes[kTrailerSize];
  Trailer trailer;
  if (size >= kTrailerSize) {
    in.seekg(static_cast<std::streamoff>(size - kTrailerSize));
    in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
  }
  if (size < kTrailerSize || !in || !DecodeTrailer(bytes, &trailer)) {
    throw std::runtime_error("no install data: the trailer's magic \"VORNA\" is missing");
  }
  return trailer;
}

}  // namespace

ImageDirectory ReadImageDirectory(std::istream& in, const std::string& key) {
  const uint64_t size = StreamSize(in);
  const Trailer trailer = ReadImageTrailer(in, size);
  ImageDirectory directory{trailer.base, trailer.fileSetOffset, {}};
  const uint64_t end = size - kTrailerSize;
  uint64_t offset = trailer.base;
  for (;;) {
    uint8_t record[kDirectoryRecordSize];
    in.seekg(static_cast<std::streamoff>(offset));
    if (offset + sizeof record > end || !in.read(reinterpret_cast<char*>(record), sizeof record)) {
      throw std::runtime_error("damaged directory: no end record");
    }
    UnscrambleBlock(record, sizeof record, offset - trailer.base, key);
    const uint32_t entrySize = ReadLittleEndian32(record);
    if (entrySize == kEndRecordMarker) return directory;
    const char* name = reinterpret_cast<const char*>(record + 4);
    if (std::memchr(name, '\0', kEntryNameFieldSize) == nullptr) {
      throw std::runtime_error("damaged directory: a name without terminator");
    }
    offset += sizeof record;
    if (entrySize > end - offset) {
      throw std::runtime_error("damaged directory: entry '" + std::string(name) +
                               "' runs past the end");
    }
    directory.entries.push_back({name, entrySize, offset});
    offset += entrySize;
  }
}

}  // namespace vorna::authoring
