// The 16-byte trailer that closes the install data of a setup: the magic
// "VORNA", three unused bytes, the container's base offset and the file set's
// offset, both unsigned 32-bit little-endian. Where it stands is
// image_layout.h's to find.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorna {

constexpr size_t kTrailerSize = 16;
constexpr char kTrailerMagic[] = "VORNA";
constexpr size_t kTrailerMagicSize = 5;

struct Trailer {
  uint32_t base = 0;           // file offset of the container's first directory record
  uint32_t fileSetOffset = 0;  // file offset of the file set, 0 when there is none
};

/// The trailer's 16 bytes.
std::array<uint8_t, kTrailerSize> EncodeTrailer(const Trailer& trailer);
/// Decodes 16 bytes; false when they do not start with the magic.
bool DecodeTrailer(const uint8_t* bytes, Trailer* trailer);

/// Unsigned 32-bit little-endian value at bytes.
uint32_t ReadLittleEndian32(const uint8_t* bytes);
/// Stores value at bytes, unsigned 32-bit little-endian.
void WriteLittleEndian32(uint8_t* bytes, uint32_t value);

}  // namespace vorna
