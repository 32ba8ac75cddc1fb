#include "install/drive_choice.h"

#include "install/size_text.h"

namespace vorna {

namespace {

std::string RootOf(char letter) {
  return std::string(1, letter) + ":\\";
}

}  // namespace

std::vector<DriveInfo> ListInstallDrives(platform::FileSystem& files) {
  std::vector<DriveInfo> drives;
  for (char letter = 'C'; letter <= 'Z'; ++letter) {
    std::string root = RootOf(letter);
    platform::DriveType type = files.GetDriveType(root);
    if (type == platform::DriveType::NoRootDir || type == platform::DriveType::CdRom) continue;
    DriveInfo drive;
    drive.letter = letter;
    std::string label;
    if (files.VolumeLabel(root, &label)) drive.label = ShownLabel(label);
    drive.freeBytes = DriveFreeSpace(files, letter);
    drives.push_back(drive);
  }
  return drives;
}

uint64_t DriveFreeSpace(platform::FileSystem& files, char letter) {
  uint64_t bytes = 0;
  if (!files.FreeSpace(RootOf(letter), &bytes)) return 0;
  return bytes;
}

std::string ShownLabel(const std::string& label) {
  return label.size() > kMaxShownLabel ? std::string() : label;
}

std::string DriveLineText(const DriveInfo& drive) {
  return std::string(1, drive.letter) + ":\t" + drive.label + "\t" +
         FormatSizeText(drive.freeBytes);
}

bool HasRoomFor(uint64_t freeBytes, uint32_t setTotal) {
  return freeBytes >= setTotal + kSpaceMargin;
}

int PreselectedDrive(const std::vector<DriveInfo>& drives, uint32_t setTotal) {
  for (size_t i = 0; i < drives.size(); ++i) {
    if (drives[i].freeBytes > setTotal + kSpaceMargin) return static_cast<int>(i);
  }
  return -1;
}

std::string PathOnDrive(const std::string& installPath, char letter) {
  if (installPath.empty()) return std::string(1, letter);
  std::string path = installPath;
  path[0] = letter;
  return path;
}

}  // namespace vorna
