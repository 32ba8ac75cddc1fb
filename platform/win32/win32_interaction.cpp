#include "platform/win32/win32_interaction.h"

#include "platform/win32/input_dialog.h"
#include "platform/win32/window_state.h"
#include "platform/win32/windows_api.h"
#include "resources/resource.h"

namespace vorna::platform {

namespace {

/// Fills the dialog from the report: caption, the four texts, live buttons.
void FillErrorDialog(HWND dialog, const ErrorReport& report) {
  char programPath[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, programPath, MAX_PATH);
  SetWindowTextA(dialog, programPath);
  SetDlgItemTextA(dialog, IDC_ERROR_MODULE, report.module.c_str());
  SetDlgItemTextA(dialog, IDC_ERROR_PROCEDURE, report.procedure.c_str());
  SetDlgItemTextA(dialog, IDC_ERROR_MESSAGE, report.message.c_str());
  SetDlgItemTextA(dialog, IDC_ERROR_STATEMENT, report.statement.c_str());
  SetForegroundWindow(dialog);
  // Debug only helps when a debugger is attached; Help has nothing to show.
  EnableWindow(GetDlgItem(dialog, IDC_ERROR_DEBUG), report.debugEnabled ? TRUE : FALSE);
  EnableWindow(GetDlgItem(dialog, IDC_ERROR_HELP), FALSE);
}

INT_PTR CALLBACK ErrorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      FillErrorDialog(dialog, *reinterpret_cast<const ErrorReport*>(lParam));
      return TRUE;
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      // The dialog manager turns Escape into the command of id 2, which is
      // Ignore here; only a press of the button itself may ignore an error.
      if (id == IDC_ERROR_IGNORE && (GetKeyState(VK_ESCAPE) & 0x8000) != 0) return TRUE;
      if (id >= IDC_ERROR_ABORT && id <= IDC_ERROR_DEBUG) EndDialog(dialog, id);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

int Win32Interaction::MessageBox(Owner owner, const std::string& text, const std::string& caption,
                                 unsigned style) {
  HWND window = owner == Owner::Backdrop ? BackdropWindow() : nullptr;
  return MessageBoxA(window, text.c_str(), caption.c_str(), style);
}

ErrorAnswer Win32Interaction::ErrorDialog(const ErrorReport& report) {
  INT_PTR result = DialogBoxParamA(Instance(), "ERROR", nullptr, ErrorDialogProc,
                                   reinterpret_cast<LPARAM>(&report));
  if (result < IDC_ERROR_ABORT || result > IDC_ERROR_DEBUG) return ErrorAnswer::Failed;
  return static_cast<ErrorAnswer>(result);
}

std::optional<std::string> Win32Interaction::InputDialog(const std::string& prompt) {
  return RunInputDialog(prompt);
}

}  // namespace vorna::platform
