// The install dialogs on Windows: dialog resources 101 to 104, each owned by
// the backdrop and centred on its client area.
#pragma once

#include "platform/install_dialogs.h"
#include "platform/win32/windows_api.h"

namespace vorna::platform {

/// Moves a dialog, without repainting, so that its centre is the centre of
/// the backdrop's client area.
void CentreOnBackdrop(HWND dialog);
/// The quit question ("Vorna", Yes and No, no owner); true for Yes.
bool AskQuitQuestion();
/// A control's rectangle in its dialog's client coordinates.
RECT ControlRect(HWND dialog, int id);

/// Runs a dialog resource, owned by the backdrop, with request as its init
/// parameter; kDialogAccepted or kDialogQuit.
int RunInstallDialog(int resource, DLGPROC procedure, const void* request);

/// Runs the drive dialog (101).
int RunDriveDialog(const DriveDialogRequest& request);
/// Runs the path dialog (102).
int RunPathDialog(const PathDialogRequest& request);
/// Runs the progress dialog (103) with its copy job.
int RunProgressDialog(const ProgressDialogRequest& request);
/// Runs the licence dialog (104).
int RunLicenceDialog(const LicenceDialogRequest& request);

}  // namespace vorna::platform
