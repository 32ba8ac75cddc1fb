// The install dialogs of Win32Interaction.
#include "platform/win32/win32_install_dialogs.h"
#include "platform/win32/win32_interaction.h"
#include "platform/win32/window_state.h"

namespace vorna::platform {

namespace {
constexpr int kStringBufferSize = 256;
}

int Win32Interaction::LicenceDialog(const LicenceDialogRequest& request) {
  return RunLicenceDialog(request);
}

int Win32Interaction::DriveDialog(const DriveDialogRequest& request) {
  return RunDriveDialog(request);
}

int Win32Interaction::PathDialog(const PathDialogRequest& request) {
  return RunPathDialog(request);
}

int Win32Interaction::ProgressDialog(const ProgressDialogRequest& request) {
  return RunProgressDialog(request);
}

bool Win32Interaction::ConfirmQuit() {
  return AskQuitQuestion();
}

void Win32Interaction::ShowBackdrop(bool visible) {
  ShowWindow(BackdropWindow(), visible ? SW_SHOW : SW_HIDE);
}

std::string Win32Interaction::MessageString(InstallString id) {
  char text[kStringBufferSize] = "";
  if (LoadStringA(Instance(), static_cast<UINT>(id), text, kStringBufferSize) <= 0) {
    return BuiltInString(id);
  }
  return text;
}

}  // namespace vorna::platform
