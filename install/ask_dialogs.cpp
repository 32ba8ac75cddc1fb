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

std::string ReadLicenceEntry(platform::FileSystem& files, const std::string& entryName) {
  ContainerReader reader(files);
  if (!reader.OpenEntry(entryName.c_str(), "r")) return std::string();
  std::vector<char> buffer(kMaxLicenceLength);
  size_t got = reader.ReadBlock(buffer.data(), 1, buffer.size());
  reader.Close();
  return std::string(buffer.data(), got < buffer.size() ? got : buffer.size());
}

/// True when a dialog ended with OK; a dialog the user quit is reported.
bool Accepted(platform::Platform& machine, int dialogEnded, const char* step) {
  if (dialogEnded == platform::kDialogAccepted) return true;
  platform::Emit(machine, platform::event::UserQuit{step});
  return false;
}

platform::OkVerdict Refusal(platform::Platform& machine, platform::InstallString id) {
  return platform::OkVerdict{false, machine.interaction->MessageString(id)};
}

}  // namespace

std::string FillTemplate(const std::string& pattern, const std::string& text) {
  size_t at = pattern.find("%s");
  if (at == std::string::npos) return pattern;
  return pattern.substr(0, at) + text + pattern.substr(at + 2);
}

bool AskLicence(platform::Platform& machine, const std::string& entryName) {
  InstallSettings& settings = SharedInstallSettings();
  settings.SetLicenceText(ReadLicenceEntry(*machine.files, entryName));
  platform::LicenceDialogRequest request{settings.LicenceText()};
  return Accepted(machine, machine.interaction->LicenceDialog(request), "licence");
}

platform::DriveDialogRequest MakeDriveRequest(platform::Platform& machine) {
  InstallSettings& settings = SharedInstallSettings();
  platform::DriveDialogRequest request;
  request.caption = settings.Get(InstallField::InstallName);
  request.programName = settings.Get(InstallField::ProgramName);
  request.copyright = settings.Get(InstallField::Copyright);
  request.spaceNote =
      FillTemplate(machine.interaction->MessageString(platform::InstallString::SpaceNote),
                   FormatSizeText(settings.setTotal()));
  std::vector<DriveInfo> drives = ListInstallDrives(*machine.files);
  for (const DriveInfo& drive : drives) {
    request.drives.push_back(platform::DriveLine{drive.letter, DriveLineText(drive)});
  }
  request.preselected = PreselectedDrive(drives, settings.setTotal());
  request.onOk = [&machine](char letter) { return JudgeDrive(machine, letter); };
  return request;
}

platform::OkVerdict JudgeDrive(platform::Platform& machine, char letter) {
  InstallSettings& settings = SharedInstallSettings();
  if (!HasRoomFor(DriveFreeSpace(*machine.files, letter), settings.setTotal())) {
    return Refusal(machine, platform::InstallString::NoSpace);
  }
  std::string path = PathOnDrive(settings.Get(InstallField::InstallPath), letter);
  settings.Set(InstallField::InstallPath, path);  // same length, so it always fits
  return platform::OkVerdict{true, std::string()};
}

bool AskDrive(platform::Platform& machine) {
  return Accepted(machine, machine.interaction->DriveDialog(MakeDriveRequest(machine)), "drive");
}

platform::OkVerdict JudgePath(platform::Platform& machine, const std::string& text) {
  InstallSettings& settings = SharedInstallSettings();
  if (!settings.Set(InstallField::InstallPath, text)) {
    return Refusal(machine, platform::InstallString::NoFolder);
  }
  CreateFolderChain(machine, text);
  if (!FolderWriteTest(*machine.files, text)) {
    return Refusal(machine, platform::InstallString::NoFolder);
  }
  return platform::OkVerdict{true, std::string()};
}

bool AskPath(platform::Platform& machine) {
  InstallSettings& settings = SharedInstallSettings();
  platform::PathDialogRequest request;
  request.caption = settings.Get(InstallField::InstallName);
  request.path = settings.Get(InstallField::InstallPath);
  request.maxLength = kMaxFieldLength;
  request.onOk = [&machine](const std::string& text) { return JudgePath(machine, text); };
  return Accepted(machine, machine.interaction->PathDialog(request), "path");
}

}  // namespace vorna
