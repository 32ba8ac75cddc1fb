#include "tools/pack/signature_table.h"

#include <algorithm>

namespace vorna::pack {

namespace {

constexpr uint64_t kEntryHeaderSize = 8;
constexpr uint64_t kAlignment = 8;

uint32_t Little32(const uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

/// The length of the DER element at bytes (tag, length and contents); 0 when
/// it is no element that fits in size bytes.
uint64_t DerLength(const uint8_t* bytes, uint64_t size) {
  if (size < 2) return 0;
  uint64_t header = 2, length = bytes[1];
  if (length & 0x80) {
    uint64_t digits = length & 0x7F;
    if (digits == 0 || digits > 4 || size < 2 + digits) return 0;
    length = 0;
    for (uint64_t i = 0; i < digits; ++i) length = length << 8 | bytes[2 + i];
    header += digits;
  }
  return length > size - header ? 0 : header + length;
}

bool Zeros(const uint8_t* from, const uint8_t* to) {
  return std::all_of(from, to, [](uint8_t b) { return b == 0; });
}

std::string Beyond(uint64_t bytes) {
  return "the certificate table holds " + std::to_string(bytes) +
         " bytes beyond its signature (never read)";
}

}  // namespace

std::string CheckSignatureTable(const std::vector<uint8_t>& table) {
  uint64_t at = 0;
  while (table.size() - at >= kEntryHeaderSize) {
    const uint8_t* entry = table.data() + at;
    uint64_t length = Little32(entry);
    if (length < kEntryHeaderSize || length > table.size() - at) return Beyond(table.size() - at);
    uint64_t signature = DerLength(entry + kEntryHeaderSize, length - kEntryHeaderSize);
    if (signature == 0) return "the certificate table holds an entry that is no signature";
    uint64_t used = kEntryHeaderSize + signature;
    // The entry's padding and the zeros up to the next multiple of 8.
    uint64_t aligned = (length + kAlignment - 1) / kAlignment * kAlignment;
    uint64_t next = std::min<uint64_t>(table.size() - at, aligned);
    if (length - used >= kAlignment || !Zeros(entry + used, entry + next)) {
      return Beyond(next - used);
    }
    at += next;
  }
  if (at < table.size()) return Beyond(table.size() - at);
  return std::string();
}

}  // namespace vorna::pack
