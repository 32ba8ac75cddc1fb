#include "platform/win32/input_dialog.h"

#include <vector>

#include "platform/interaction.h"
#include "platform/win32/window_state.h"
#include "platform/win32/windows_api.h"
#include "resources/resource.h"

namespace vorna::platform {

namespace {

/// What the dialog procedure reads and fills.
struct InputExchange {
  const std::string* prompt;
  std::string answer;
};

/// Copies at most kInputAnswerLength characters of the edit control.
std::string AnswerOf(HWND dialog) {
  std::vector<char> text(kInputAnswerLength + 1, '\0');
  UINT length =
      GetDlgItemTextA(dialog, IDC_INPUT_ANSWER, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), length);
}

INT_PTR CALLBACK InputDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      auto* exchange = reinterpret_cast<InputExchange*>(lParam);
      SetDlgItemTextA(dialog, IDC_INPUT_PROMPT, exchange->prompt->c_str());
      SendDlgItemMessageA(dialog, IDC_INPUT_ANSWER, EM_LIMITTEXT, kInputAnswerLength, 0);
      SetForegroundWindow(dialog);
      return TRUE;
    }
    case WM_COMMAND: {
      auto* exchange = reinterpret_cast<InputExchange*>(GetWindowLongPtrA(dialog, DWLP_USER));
      if (LOWORD(wParam) == IDOK) {
        exchange->answer = AnswerOf(dialog);
        EndDialog(dialog, IDOK);
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
      }
      return TRUE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<std::string> RunInputDialog(const std::string& prompt) {
  InputExchange exchange{&prompt, std::string()};
  INT_PTR result = DialogBoxParamA(Instance(), "INPUT", nullptr, InputDialogProc,
                                   reinterpret_cast<LPARAM>(&exchange));
  if (result != IDOK) return std::nullopt;
  return exchange.answer;
}

}  // namespace vorna::platform
