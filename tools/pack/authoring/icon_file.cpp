#include "tools/pack/authoring/icon_file.h"

#include <stdexcept>

namespace vorna::authoring {

namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kFileEntrySize = 16;
constexpr size_t kGroupEntrySize = 14;
constexpr uint16_t kIconType = 1;
constexpr uint16_t kMostImages = 64;

uint16_t Get16(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t Get32(const std::vector<uint8_t>& bytes, size_t at) {
  return Get16(bytes, at) | static_cast<uint32_t>(Get16(bytes, at + 2)) << 16;
}

void Append16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

/// The image count of an icon directory (file or group); throws when the
/// header is no icon's or its entries do not fit.
uint16_t ImageCount(const std::vector<uint8_t>& bytes, size_t entrySize) {
  if (bytes.size() < kHeaderSize || Get16(bytes, 0) != 0 || Get16(bytes, 2) != kIconType) {
    throw std::runtime_error("not an icon (no icon header)");
  }
  uint16_t count = Get16(bytes, 4);
  if (count == 0 || count > kMostImages || bytes.size() < kHeaderSize + count * entrySize) {
    throw std::runtime_error("not an icon (no images, or a directory cut short)");
  }
  return count;
}

IconImage EntryAt(const std::vector<uint8_t>& bytes, size_t at) {
  return IconImage{
      bytes[at], bytes[at + 1], bytes[at + 2], Get16(bytes, at + 4), Get16(bytes, at + 6), {}};
}

}  // namespace

std::vector<IconImage> ReadIconFile(const std::vector<uint8_t>& file) {
  uint16_t count = ImageCount(file, kFileEntrySize);
  std::vector<IconImage> images;
  for (uint16_t i = 0; i < count; ++i) {
    size_t at = kHeaderSize + i * kFileEntrySize;
    uint32_t size = Get32(file, at + 8), offset = Get32(file, at + 12);
    if (size == 0 || offset > file.size() || size > file.size() - offset) {
      throw std::runtime_error("not an icon (image " + std::to_string(i + 1) +
                               " lies outside the file)");
    }
    IconImage image = EntryAt(file, at);
    image.bytes.assign(file.begin() + offset, file.begin() + offset + size);
    images.push_back(std::move(image));
  }
  return images;
}

std::vector<uint8_t> EncodeIconGroup(const std::vector<IconImage>& images, uint16_t firstId) {
  std::vector<uint8_t> group;
  for (uint32_t field : {0u, uint32_t{kIconType}, static_cast<uint32_t>(images.size())}) {
    Append16(group, field);
  }
  for (size_t i = 0; i < images.size(); ++i) {
    const IconImage& image = images[i];
    group.insert(group.end(), {image.width, image.height, image.colors, 0});
    Append16(group, image.planes);
    Append16(group, image.bitCount);
    Append16(group, static_cast<uint32_t>(image.bytes.size()));
    Append16(group, static_cast<uint32_t>(image.bytes.size() >> 16));
    Append16(group, static_cast<uint32_t>(firstId + i));
  }
  return group;
}

std::vector<IconImage> DecodeIconGroup(const std::vector<uint8_t>& group) {
  uint16_t count = ImageCount(group, kGroupEntrySize);
  std::vector<IconImage> images;
  for (uint16_t i = 0; i < count; ++i)
    images.push_back(EntryAt(group, kHeaderSize + i * kGroupEntrySize));
  return images;
}

}  // namespace vorna::authoring
