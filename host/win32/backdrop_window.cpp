#include "host/win32/backdrop_window.h"

#include <dde.h>

#include "host/win32/backdrop_paint.h"
#include "host/win32/progman_conversation.h"
#include "install/install_settings.h"
#include "platform/win32/backdrop_gdi.h"
#include "platform/win32/window_state.h"

namespace vorna {

namespace {

// CS_VREDRAW | CS_HREDRAW | CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW
constexpr UINT kClassStyle = 0x3003;
// WS_POPUP | WS_MAXIMIZE, and not WS_VISIBLE: the script shows it when it wants.
constexpr DWORD kWindowStyle = 0x81000000;

void RecordClientRect(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  platform::SetBackdropClientRect(client);
}

LRESULT CALLBACK BackdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      platform::SetBackdropWindow(window);
      InitiateProgmanConversation(window);
      platform::CreateBackdropGdi();
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
    case WM_SIZE:
      RecordClientRect(window);
      break;
    case WM_PAINT:
      PaintBackdrop(window, SharedInstallSettings().Get(InstallField::ProgramName));
      break;
    case WM_DDE_ACK:
      HandleProgmanAck(window, wParam, lParam);
      break;
    default:
      break;
  }
  // Every message, handled or not, also gets the default processing.
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterBackdropClass(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.style = kClassStyle;
  windowClass.lpfnWndProc = BackdropProc;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = 0;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = kBackdropClassName;
  return RegisterClassA(&windowClass) != 0;
}

HWND CreateBackdropWindow(HINSTANCE instance) {
  return CreateWindowExA(0, kBackdropClassName, kBackdropClassName, kWindowStyle, 0, 0, 320, 200,
                         GetDesktopWindow(), nullptr, instance, nullptr);
}

}  // namespace vorna
