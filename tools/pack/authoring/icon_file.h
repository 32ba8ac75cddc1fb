// An icon file (.ico): its images as the resources of a program carry them,
// one RT_ICON resource each, and the group (RT_GROUP_ICON) that lists them
// with their sizes and the ids of those resources.
#pragma once

#include <cstdint>
#include <vector>

namespace vorna::authoring {

/// One image of an icon: its directory entry and its bytes (a DIB or a PNG).
struct IconImage {
  uint8_t width = 0;   // 0 stands for 256
  uint8_t height = 0;  // 0 stands for 256
  uint8_t colors = 0;
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  std::vector<uint8_t> bytes;
};

/// The images of an icon file; throws std::runtime_error with the reason
/// for a file that is no icon or is cut short.
std::vector<IconImage> ReadIconFile(const std::vector<uint8_t>& file);

/// The group resource for images stored as icon resources firstId, firstId + 1, ...
std::vector<uint8_t> EncodeIconGroup(const std::vector<IconImage>& images, uint16_t firstId);

/// The entries of a group resource (their bytes empty); throws
/// std::runtime_error for a damaged group.
std::vector<IconImage> DecodeIconGroup(const std::vector<uint8_t>& group);

}  // namespace vorna::authoring
