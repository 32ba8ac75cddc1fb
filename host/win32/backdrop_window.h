// The backdrop: the program's one top-level window, created hidden on the
// main thread. It owns the dialogs and message boxes of the run and is the
// frame they centre in; its destruction ends the message loop.
#pragma once

#include "platform/win32/windows_api.h"

namespace vorna {

/// The backdrop's class name, also the window's title.
constexpr const char* kBackdropClassName = "VORNAGS";

/// Registers the window class "VORNAGS"; false when the system refuses it.
bool RegisterBackdropClass(HINSTANCE instance);

/// Creates the backdrop window, hidden; NULL when it cannot be created.
HWND CreateBackdropWindow(HINSTANCE instance);

}  // namespace vorna
