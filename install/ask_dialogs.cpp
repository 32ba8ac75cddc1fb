#include "install/ask_dialogs.h"

#include <vector>

#include "install/drive_choice.h"
#include "install/install_settings.h"
#include "install/size_text.h"
#include "installdata/container.h"
#include "installdata/install_paths.h"
#include "platform/platform.h"

namespace vorna {

namespace {

platform::Interaction& Ui() {
  return *platform::Current().interaction;
}

std::string ReadLicenceEntry(const std::string& entryName) {
  ContainerReader reader;
  if (!reader.OpenEntry(entryName.c_str(), "r")) return std::string();
  std::vector<char> buffer(kMaxLicenceLength);
  size_t got = reader.ReadBlock(buffer.data(), 1, buffer.size());
  reader.Close();
  return std::string(buffer.data(), got < buffer.size() ? got : buffer.size());
}

platform::OkVerdict Refusal(platform::InstallString id) {
  return platform::OkVerdict{false, Ui().MessageString(id)};
}

}  // namespace

std::string FillTemplate(const std::string& pattern, const std::string& text) {
  size_t at = pattern.find("%s");
  if (at == std::string::npos) return pattern;
  return pattern.substr(0, at) + text + pattern.substr(at + 2);
}

bool AskLicence(const std::string& entryName) {
  InstallSettings& settings = SharedInstallSettings();
  settings.SetLicenceText(ReadLicenceEntry(entryName));
  platform::LicenceDialogRequest request{settings.LicenceText()};
  return Ui().LicenceDialog(request) == platform::kDialogAccepted;
}

platform::DriveDialogRequest MakeDriveRequest() {
  InstallSettings& settings = SharedInstallSettings();
  platform::DriveDialogRequest request;
  request.caption = settings.Get(InstallField::InstallName);
  request.programName = settings.Get(InstallField::ProgramName);
  request.copyright = settings.Get(InstallField::Copyright);
  request.spaceNote = FillTemplate(Ui().MessageString(platform::InstallString::SpaceNote),
                                   FormatSizeText(settings.setTotal()));
  std::vector<DriveInfo> drives = ListInstallDrives();
  for (const DriveInfo& drive : drives) {
    request.drives.push_back(platform::DriveLine{drive.letter, DriveLineText(drive)});
  }
  request.preselected = PreselectedDrive(drives, settings.setTotal());
  request.onOk = JudgeDrive;
  return request;
}

platform::OkVerdict JudgeDrive(char letter) {
  InstallSettings& settings = SharedInstallSettings();
  if (!HasRoomFor(DriveFreeSpace(letter), settings.setTotal())) {
    return Refusal(platform::InstallString::NoSpace);
  }
  std::string path = PathOnDrive(settings.Get(InstallField::InstallPath), letter);
  settings.Set(InstallField::InstallPath, path);  // same length, so it always fits
  return platform::OkVerdict{true, std::string()};
}

bool AskDrive() {
  return Ui().DriveDialog(MakeDriveRequest()) == platform::kDialogAccepted;
}

platform::OkVerdict JudgePath(const std::string& text) {
  InstallSettings& settings = SharedInstallSettings();
  if (!settings.Set(InstallField::InstallPath, text)) {
    return Refusal(platform::InstallString::NoFolder);
  }
  CreateFolderChain(text);
  if (!FolderWriteTest(text)) return Refusal(platform::InstallString::NoFolder);
  return platform::OkVerdict{true, std::string()};
}

bool AskPath() {
  InstallSettings& settings = SharedInstallSettings();
  platform::PathDialogRequest request;
  request.caption = settings.Get(InstallField::InstallName);
  request.path = settings.Get(InstallField::InstallPath);
  request.maxLength = kMaxFieldLength;
  request.onOk = JudgePath;
  return Ui().PathDialog(request) == platform::kDialogAccepted;
}

}  // namespace vorna
