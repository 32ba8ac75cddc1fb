// The backdrop's look: a blue gradient from the top down and the program
// name in large white letters with a black shadow.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace vorna {

/// Paints the gradient over the client area and the title at (20, 4).
void PaintBackdrop(HWND window, const std::string& title);

/// Draws text at (x, y) in Arial 50: a black shadow at +5, +5, then white.
void DrawTitle(HDC dc, int x, int y, const std::string& text);

}  // namespace vorna
