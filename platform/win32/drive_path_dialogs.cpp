// The drive dialog (101) and the path dialog (102). What they show and how
// OK is judged comes with the request; they only present it.
#include <string>

#include "platform/win32/win32_install_dialogs.h"
#include "platform/win32/window_state.h"
#include "resources/resource.h"

namespace vorna::platform {

namespace {

template <typename Request>
const Request& RequestOf(HWND dialog) {
  return *reinterpret_cast<const Request*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

/// Ends the dialog when the verdict accepts; otherwise shows its message.
void ApplyVerdict(HWND dialog, const OkVerdict& verdict, const std::string& caption) {
  if (verdict.accepted) {
    EndDialog(dialog, kDialogAccepted);
  } else {
    MessageBoxA(dialog, verdict.message.c_str(), caption.c_str(), MB_OK);
  }
}

void CancelPressed(HWND dialog) {
  if (AskQuitQuestion()) EndDialog(dialog, kDialogQuit);
}

void InitDriveDialog(HWND dialog, const DriveDialogRequest& request) {
  CentreOnBackdrop(dialog);
  SetWindowTextA(dialog, request.caption.c_str());
  SetDlgItemTextA(dialog, IDC_DRIVE_PROGRAM, request.programName.c_str());
  SetDlgItemTextA(dialog, IDC_DRIVE_COPYRIGHT, request.copyright.c_str());
  SetDlgItemTextA(dialog, IDC_DRIVE_SPACE, request.spaceNote.c_str());
  for (const DriveLine& line : request.drives) {
    SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(line.text.c_str()));
  }
  if (request.preselected >= 0) {
    SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, LB_SETCURSEL, request.preselected, 0);
  }
}

void DriveOk(HWND dialog, const DriveDialogRequest& request) {
  LRESULT selected = SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR || selected < 0 || size_t(selected) >= request.drives.size()) return;
  ApplyVerdict(dialog, request.onOk(request.drives[size_t(selected)].letter), request.caption);
}

INT_PTR CALLBACK DriveDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      InitDriveDialog(dialog, *reinterpret_cast<const DriveDialogRequest*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) DriveOk(dialog, RequestOf<DriveDialogRequest>(dialog));
      if (LOWORD(wParam) == IDCANCEL) CancelPressed(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

void InitPathDialog(HWND dialog, const PathDialogRequest& request) {
  CentreOnBackdrop(dialog);
  SetWindowTextA(dialog, request.caption.c_str());
  // The install path holds no more, so no more can be typed.
  SendDlgItemMessageA(dialog, IDC_PATH_EDIT, EM_LIMITTEXT, request.maxLength, 0);
  SetDlgItemTextA(dialog, IDC_PATH_EDIT, request.path.c_str());
  SetFocus(GetDlgItem(dialog, IDC_PATH_EDIT));
}

void PathOk(HWND dialog, const PathDialogRequest& request) {
  std::string text(request.maxLength + 1, '\0');
  UINT length = GetDlgItemTextA(dialog, IDC_PATH_EDIT, text.data(), int(text.size()));
  text.resize(length);
  ApplyVerdict(dialog, request.onOk(text), request.caption);
}

INT_PTR CALLBACK PathDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      InitPathDialog(dialog, *reinterpret_cast<const PathDialogRequest*>(lParam));
      return FALSE;  // the focus is set
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) PathOk(dialog, RequestOf<PathDialogRequest>(dialog));
      if (LOWORD(wParam) == IDCANCEL) CancelPressed(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int RunDriveDialog(const DriveDialogRequest& request) {
  return RunInstallDialog(IDD_DRIVE, DriveDialogProc, &request);
}

int RunPathDialog(const PathDialogRequest& request) {
  return RunInstallDialog(IDD_PATH, PathDialogProc, &request);
}

}  // namespace vorna::platform
