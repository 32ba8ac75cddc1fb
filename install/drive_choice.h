// The rules of the drive dialog: which drives it lists, which it selects
// first, and whether OK on a drive is accepted.
//
// A drive must have room for the file set plus a margin of 200 K. Free space
// is taken in 64 bits, so a large drive is judged by its real free space.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

namespace vorna {

/// Bytes required on top of the set total.
constexpr uint64_t kSpaceMargin = 204800;
/// The longest volume label shown; a longer one does not fit the label
/// buffer of 6 bytes and shows as empty.
constexpr size_t kMaxShownLabel = 5;

/// One drive of the list.
struct DriveInfo {
  char letter = 'C';
  std::string label;
  uint64_t freeBytes = 0;
};

/// The drives C to Z that exist and are no CD-ROM drives, in letter order,
/// each with its (fitting) label and free space (0 when it cannot be read).
std::vector<DriveInfo> ListInstallDrives(platform::FileSystem& files);

/// The free space of the drive with that letter; 0 when it cannot be read.
uint64_t DriveFreeSpace(platform::FileSystem& files, char letter);

/// The label as the dialog shows it: empty when longer than kMaxShownLabel.
std::string ShownLabel(const std::string& label);

/// The list line of a drive: letter, colon, tab, label, tab, free space as a size text.
std::string DriveLineText(const DriveInfo& drive);

/// True when freeBytes is enough for setTotal plus the margin (exactly enough counts).
bool HasRoomFor(uint64_t freeBytes, uint32_t setTotal);

/// The index of the first drive with more than setTotal plus the margin
/// free, or -1 when none has.
int PreselectedDrive(const std::vector<DriveInfo>& drives, uint32_t setTotal);

/// The install path moved to another drive: its first character becomes
/// letter and the rest stays (an empty path becomes the letter alone).
std::string PathOnDrive(const std::string& installPath, char letter);

}  // namespace vorna
