// What the install dialogs share: centring, the quit question and control
// rectangles.
#include "platform/win32/win32_install_dialogs.h"
#include "platform/win32/window_state.h"

namespace vorna::platform {

void CentreOnBackdrop(HWND dialog) {
  RECT own{};
  GetWindowRect(dialog, &own);
  int width = own.right - own.left;
  int height = own.bottom - own.top;
  RECT client = BackdropClientRect();
  int left = client.right / 2 - width / 2;
  int top = client.bottom / 2 - height / 2;
  MoveWindow(dialog, left, top, width, height, FALSE);
}

bool AskQuitQuestion() {
  return MessageBoxA(nullptr, kQuitText, kQuitCaption, MB_YESNO) == IDYES;
}

RECT ControlRect(HWND dialog, int id) {
  RECT rect{};
  GetWindowRect(GetDlgItem(dialog, id), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

int RunInstallDialog(int resource, DLGPROC procedure, const void* request) {
  INT_PTR result = DialogBoxParamA(Instance(), MAKEINTRESOURCEA(resource), BackdropWindow(),
                                   procedure, reinterpret_cast<LPARAM>(request));
  return result == kDialogAccepted ? kDialogAccepted : kDialogQuit;
}

}  // namespace vorna::platform
