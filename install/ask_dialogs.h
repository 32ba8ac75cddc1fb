// The asking steps of an installation: the licence agreement, the drive and
// the destination path. Each shows its dialog through the platform and
// answers whether the user went on (true) or quit (false).
#pragma once

#include <string>

#include "platform/platform.h"

namespace vorna {

/// Loads the licence text from the container entry (or plain file) of that
/// name, at most 32768 bytes, and shows the licence dialog.
bool AskLicence(platform::Platform& machine, const std::string& entryName);
/// Shows the drive dialog; OK moves the install path to the chosen drive.
bool AskDrive(platform::Platform& machine);
/// Shows the path dialog; OK sets the install path once its folder is writable.
bool AskPath(platform::Platform& machine);

/// What the drive dialog shows for the current settings and drives.
platform::DriveDialogRequest MakeDriveRequest(platform::Platform& machine);
/// The drive dialog's OK on letter: refused with the no-space message when
/// the drive lacks room, else the install path moves to the drive.
platform::OkVerdict JudgeDrive(platform::Platform& machine, char letter);
/// The path dialog's OK on text: the install path becomes text, its folder
/// chain is created and tested; refused with the no-folder message when the
/// folder cannot take a file.
platform::OkVerdict JudgePath(platform::Platform& machine, const std::string& text);

/// template with its first "%s" replaced by text.
std::string FillTemplate(const std::string& pattern, const std::string& text);

}  // namespace vorna
