#include "host/win32/backdrop_paint.h"

#include "host/win32/gradient_bands.h"
#include "platform/win32/backdrop_gdi.h"
#include "platform/win32/window_state.h"

namespace vorna {

namespace {
constexpr int kTitleX = 20;
constexpr int kTitleY = 4;
constexpr int kShadowOffset = 5;
}  // namespace

void DrawTitle(HDC dc, int x, int y, const std::string& text) {
  HFONT font =
      CreateFontA(50, 0, 0, 0, 400, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  TextOutA(dc, x + kShadowOffset, y + kShadowOffset, text.c_str(), int(text.size()));
  SetTextColor(dc, RGB(255, 255, 255));
  TextOutA(dc, x, y, text.c_str(), int(text.size()));
  SelectObject(dc, oldFont);
  DeleteObject(font);
}

void PaintBackdrop(HWND window, const std::string& title) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  SelectPalette(dc, platform::GradientPalette(), FALSE);
  RealizePalette(dc);
  RECT client = platform::BackdropClientRect();
  int band = GradientBandHeight(client.bottom);
  int count = GradientBandCount(client.bottom);
  for (int index = 0; index < count; ++index) {
    RECT strip{0, index * band, client.right, (index + 1) * band};
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, GradientBandBlue(index)));
    FillRect(dc, &strip, brush);
    DeleteObject(brush);
  }
  DrawTitle(dc, kTitleX, kTitleY, title);
  EndPaint(window, &paint);
}

}  // namespace vorna
