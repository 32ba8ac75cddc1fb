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
  in.clear();
  in.seekg(0, std::ios::end);
  auto size = in.tellg();
  if (size < 0) throw std::runtime_error("cannot read the image");
  return static_cast<uint64_t>(size);
}

}  // namespace

ImageLayout InspectImageStream(std::istream& in) {
  const uint64_t size = StreamSize(in);
  ReadAt read = [&in, size](uint64_t offset, uint8_t* bytes, size_t count) {
    if (offset > size || count > size - offset) return false;
    in.clear();
    in.seekg(static_cast<std::streamoff>(offset));
    return static_cast<bool>(
        in.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(count)));
  };
  return InspectImage(read, size);
}

ImageDirectory ReadImageDirectory(std::istream& in, const std::string& key) {
  const ImageLayout layout = InspectImageStream(in);
  if (layout.kind == ImageKind::BareRuntime) {
    throw std::runtime_error("no install data: a program file with nothing after it");
  }
  if (layout.kind == ImageKind::Damaged) throw std::runtime_error("damaged: " + layout.problem);
  const Trailer trailer = layout.trailer;
  ImageDirectory directory{trailer.base, trailer.fileSetOffset, {}, layout};
  const uint64_t end = layout.trailerOffset;
  uint64_t offset = trailer.base;
  for (;;) {
    uint8_t record[kDirectoryRecordSize];
    in.clear();
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
