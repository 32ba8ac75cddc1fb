#include "platform/interaction.h"

namespace vorna::platform {

std::optional<std::string> Interaction::InputDialog(const std::string& /*prompt*/) {
  return std::nullopt;
}

int Interaction::LicenceDialog(const LicenceDialogRequest&) {
  return kDialogQuit;
}

int Interaction::DriveDialog(const DriveDialogRequest&) {
  return kDialogQuit;
}

int Interaction::PathDialog(const PathDialogRequest&) {
  return kDialogQuit;
}

int Interaction::ProgressDialog(const ProgressDialogRequest&) {
  return kDialogQuit;
}

bool Interaction::ConfirmQuit() {
  return true;
}

void Interaction::ShowBackdrop(bool) {}

std::string Interaction::MessageString(InstallString id) {
  return BuiltInString(id);
}

}  // namespace vorna::platform
