#include "host/win32/progman_conversation.h"

#include <dde.h>

namespace vorna {

namespace {
// True from the initiation until the first acknowledgement arrives.
bool initiating = false;
// A hung top-level window must not hold the start-up forever.
constexpr UINT kBroadcastTimeout = 5000;
}  // namespace

void InitiateProgmanConversation(HWND window) {
  initiating = true;
  ATOM application = GlobalAddAtomA("PROGMAN");
  ATOM topic = GlobalAddAtomA("PROGMAN");
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(window),
                      MAKELPARAM(application, topic), SMTO_ABORTIFHUNG, kBroadcastTimeout,
                      &ignored);
  GlobalDeleteAtom(application);
  GlobalDeleteAtom(topic);
}

void HandleProgmanAck(HWND window, WPARAM wParam, LPARAM lParam) {
  if (!initiating) return;
  initiating = false;
  ATOM application = LOWORD(lParam);
  ATOM topic = HIWORD(lParam);
  GlobalDeleteAtom(application);
  GlobalDeleteAtom(topic);
  // Only a string atom names a real server; anything else ends the conversation.
  if ((application & 0x8000) == 0) {
    PostMessageA(reinterpret_cast<HWND>(wParam), WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(window),
                 0);
  }
}

}  // namespace vorna
