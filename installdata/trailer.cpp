#include "installdata/trailer.h"

#include <cstring>

namespace vorna {

uint32_t ReadLittleEndian32(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void WriteLittleEndian32(uint8_t* bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

std::array<uint8_t, kTrailerSize> EncodeTrailer(const Trailer& trailer) {
  std::array<uint8_t, kTrailerSize> bytes{};
  std::memcpy(bytes.data(), kTrailerMagic, kTrailerMagicSize);
  WriteLittleEndian32(bytes.data() + 8, trailer.base);
  WriteLittleEndian32(bytes.data() + 12, trailer.fileSetOffset);
  return bytes;
}

bool DecodeTrailer(const uint8_t* bytes, Trailer* trailer) {
  if (std::memcmp(bytes, kTrailerMagic, kTrailerMagicSize) != 0) return false;
  trailer->base = ReadLittleEndian32(bytes + 8);
  trailer->fileSetOffset = ReadLittleEndian32(bytes + 12);
  return true;
}

}  // namespace vorna
