// Process-wide window state of the Windows runtime: the module instance and
// the backdrop window with its client rectangle.
//
// The main thread writes them (start-up and the backdrop's window procedure);
// the interpreter thread reads them to own and centre its dialogs.
#pragma once

#include "platform/win32/windows_api.h"

namespace vorna::platform {

/// Records the module instance (dialog templates and resources come from it).
void SetInstance(HINSTANCE instance);
/// The module instance recorded at start-up.
HINSTANCE Instance();

/// Records the backdrop window's handle when it is created.
void SetBackdropWindow(HWND window);
/// The backdrop window, owner of the dialogs and message boxes; NULL before creation.
HWND BackdropWindow();

/// Records the backdrop's client rectangle at each size change.
void SetBackdropClientRect(const RECT& rect);
/// The backdrop's last recorded client rectangle.
RECT BackdropClientRect();

}  // namespace vorna::platform
