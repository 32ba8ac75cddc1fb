// The progress dialog (103): it starts the copy job, shows the file being
// copied and repaints the bar four times a second (the copy reports its bytes
// as they are written, so the bar moves through a large file), paints the bar over the hidden
// control 1007 and ends when the job marks its end. Cancel holds the job at its next safe point
// while the quit question is open, and stops it there on Yes.
#include <string>

#include "platform/win32/backdrop_gdi.h"
#include "platform/win32/win32_install_dialogs.h"
#include "resources/resource.h"

namespace vorna::platform {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerPeriod = 250;

struct ProgressSession {
  CopyJob* job;
  std::string caption;
  bool asking = false;  // the quit question is open
};

ProgressSession& SessionOf(HWND dialog) {
  return *reinterpret_cast<ProgressSession*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void InitProgressDialog(HWND dialog, ProgressSession& session) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&session));
  CentreOnBackdrop(dialog);
  SetWindowTextA(dialog, session.caption.c_str());
  ShowWindow(GetDlgItem(dialog, IDC_PROGRESS_BAR), SW_HIDE);
  SetTimer(dialog, kTimerId, kTimerPeriod, nullptr);
  session.job->Start();  // clears the current-file text first
}

void Tick(HWND dialog, ProgressSession& session) {
  InvalidateRect(dialog, nullptr, FALSE);
  // While the question is open the answer decides how the dialog ends.
  if (session.asking) return;
  if (session.job->Ended()) {
    EndDialog(dialog, kDialogAccepted);
    return;
  }
  SetDlgItemTextA(dialog, IDC_PROGRESS_FILE, session.job->CurrentFile().c_str());
}

void Line(HDC dc, HPEN pen, int x1, int y1, int x2, int y2, int x3, int y3) {
  SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  LineTo(dc, x3, y3);
}

/// The sunken frame on rect and the bar inside it, filled to fraction.
void PaintBar(HDC dc, const RECT& r, double fraction) {
  HGDIOBJ oldPen = SelectObject(dc, FrameWhitePen());
  Line(dc, FrameWhitePen(), r.right, r.top, r.right, r.bottom, r.left, r.bottom);
  Line(dc, FrameGrayPen(), r.left, r.bottom, r.left, r.top, r.right, r.top);
  Line(dc, FrameBlackPen(), r.left + 1, r.bottom - 1, r.left + 1, r.top + 1, r.right - 1,
       r.top + 1);
  SelectObject(dc, oldPen);
  RECT area{r.left + 3, r.top + 3, r.right - 2, r.bottom - 2};
  if (fraction < 0) fraction = 0;
  if (fraction > 1) fraction = 1;
  int filled = static_cast<int>((area.right - area.left) * fraction);
  RECT done{area.left, area.top, area.left + filled, area.bottom};
  RECT rest{area.left + filled, area.top, area.right, area.bottom};
  FillRect(dc, &done, ProgressBrush());
  FillRect(dc, &rest, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
}

void Paint(HWND dialog, ProgressSession& session) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  PaintBar(dc, ControlRect(dialog, IDC_PROGRESS_BAR), session.job->Progress());
  EndPaint(dialog, &paint);
}

void CancelPressed(HWND dialog, ProgressSession& session) {
  if (session.asking) return;
  session.asking = true;
  session.job->Pause();
  bool quit = AskQuitQuestion();
  session.asking = false;
  if (!quit) {
    session.job->Resume();
    return;
  }
  session.job->Stop();
  EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
  EndDialog(dialog, kDialogQuit);
}

INT_PTR CALLBACK ProgressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitProgressDialog(dialog, *reinterpret_cast<ProgressSession*>(lParam));
      return TRUE;
    case WM_TIMER:
      if (wParam == kTimerId) Tick(dialog, SessionOf(dialog));
      return TRUE;
    case WM_PAINT:
      Paint(dialog, SessionOf(dialog));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) CancelPressed(dialog, SessionOf(dialog));
      return TRUE;
    case WM_DESTROY:
      KillTimer(dialog, kTimerId);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

int RunProgressDialog(const ProgressDialogRequest& request) {
  ProgressSession session{request.job, request.caption};
  return RunInstallDialog(IDD_PROGRESS, ProgressDialogProc, &session);
}

}  // namespace vorna::platform
