// The backdrop's DDE conversation with the Program Manager shell: initiated
// when the window is created, and kept open when a server acknowledges it
// (no command is ever sent in it).
#pragma once

#include "platform/win32/windows_api.h"

namespace vorna {

/// Broadcasts the initiation for application and topic "PROGMAN".
void InitiateProgmanConversation(HWND window);

/// Handles an acknowledgement; only the first one after the initiation counts.
void HandleProgmanAck(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace vorna
