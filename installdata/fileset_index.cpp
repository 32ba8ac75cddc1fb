#include "installdata/fileset_index.h"

#include "installdata/container.h"

namespace vorna {

namespace {

// The set total comes first: no record starts before it ends.
constexpr uint32_t kFirstRecord = 4;

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t Get32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
         static_cast<uint32_t>(bytes[at + 3]) << 24;
}

}  // namespace

std::vector<uint8_t> EncodeFileSetIndex(const std::vector<uint32_t>& offsets) {
  std::vector<uint8_t> bytes;
  Put32(bytes, static_cast<uint32_t>(offsets.size()));
  for (uint32_t offset : offsets) Put32(bytes, offset);
  return bytes;
}

std::vector<uint32_t> DecodeFileSetIndex(const std::vector<uint8_t>& bytes, uint64_t setLength) {
  if (bytes.size() < 4 || bytes.size() % 4 != 0) return {};
  uint64_t count = Get32(bytes, 0);
  if (count != bytes.size() / 4 - 1) return {};
  std::vector<uint32_t> offsets;
  offsets.reserve(static_cast<size_t>(count));
  uint64_t previous = 0;
  for (size_t at = 4; at < bytes.size(); at += 4) {
    uint32_t offset = Get32(bytes, at);
    // Records follow each other, all inside the set.
    bool inOrder = offsets.empty() ? offset == kFirstRecord : offset > previous;
    if (!inOrder || offset >= setLength) return {};
    offsets.push_back(offset);
    previous = offset;
  }
  return offsets;
}

std::vector<uint32_t> ReadFileSetIndex(ContainerReader& reader, uint64_t setLength) {
  if (!reader.OpenStoredEntry(kIndexEntryName)) return {};
  std::vector<uint8_t> bytes;
  uint8_t block[4096];
  // No set has more records than bytes: a longer entry is damage.
  while (size_t got = reader.ReadBlock(block, 1, sizeof block)) {
    bytes.insert(bytes.end(), block, block + got);
    if (bytes.size() > setLength + 4) return {};
  }
  return DecodeFileSetIndex(bytes, setLength);
}

}  // namespace vorna
