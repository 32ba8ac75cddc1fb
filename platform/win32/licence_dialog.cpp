// The licence dialog (104): the licence text in a read-only edit control
// laid over the placeholder control, Agree and Cancel.
#include <string>

#include "platform/win32/win32_install_dialogs.h"
#include "platform/win32/window_state.h"
#include "resources/resource.h"

namespace vorna::platform {

namespace {

constexpr DWORD kLicenceEditStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY;

/// The text with every line end as CR LF, the only break an edit control shows.
std::string WithEditLineEnds(const std::string& text) {
  std::string shown;
  shown.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      shown += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      shown += "\r\n";
    } else {
      shown += c;
    }
  }
  return shown;
}

void InitLicenceDialog(HWND dialog, const LicenceDialogRequest& request) {
  CentreOnBackdrop(dialog);
  RECT place = ControlRect(dialog, IDC_LICENSE_PLACE);
  HWND edit = CreateWindowExA(0, "edit", nullptr, kLicenceEditStyle, place.left, place.top,
                              place.right - place.left, place.bottom - place.top, dialog, nullptr,
                              Instance(), nullptr);
  if (edit == nullptr) return;
  SendMessageA(edit, EM_LIMITTEXT, 0, 0);  // no limit below the licence's size
  SetWindowTextA(edit, WithEditLineEnds(request.text).c_str());
}

INT_PTR CALLBACK LicenceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitLicenceDialog(dialog, *reinterpret_cast<const LicenceDialogRequest*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) EndDialog(dialog, kDialogAccepted);
      if (LOWORD(wParam) == IDCANCEL && AskQuitQuestion()) EndDialog(dialog, kDialogQuit);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int RunLicenceDialog(const LicenceDialogRequest& request) {
  return RunInstallDialog(IDD_LICENSE, LicenceDialogProc, &request);
}

}  // namespace vorna::platform
