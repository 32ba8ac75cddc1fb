#include "installdata/fileset_codec.h"

#include "installdata/container.h"

namespace vorna {

namespace {

// Longer than any codec's name: an entry this long names none of them.
constexpr size_t kLongestCodecName = 31;

}  // namespace

FileSetCodec CodecNamed(const std::string& name) {
  if (name == kHuffmanCodecName) return FileSetCodec::Huffman;
  if (name == kDeflateCodecName) return FileSetCodec::Deflate;
  return FileSetCodec::Unknown;
}

FileSetCodec ReadFileSetCodec(ContainerReader& reader) {
  if (!reader.OpenStoredEntry(kCodecEntryName)) return FileSetCodec::Huffman;
  char text[kLongestCodecName + 1];
  size_t got = reader.ReadBlock(text, 1, sizeof text);
  return got > kLongestCodecName ? FileSetCodec::Unknown : CodecNamed(std::string(text, got));
}

}  // namespace vorna
