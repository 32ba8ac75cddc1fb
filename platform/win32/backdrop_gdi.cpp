#include "platform/win32/backdrop_gdi.h"

#include <cstdlib>
#include <mutex>

namespace vorna::platform {

namespace {

constexpr int kPaletteEntries = 254;

HPEN grayPen = nullptr;
HBRUSH progressBrush = nullptr;
HPALETTE gradientPalette = nullptr;
std::once_flag created;

HPALETTE CreateGradientPalette() {
  size_t size = sizeof(LOGPALETTE) + (kPaletteEntries - 1) * sizeof(PALETTEENTRY);
  auto* palette = static_cast<LOGPALETTE*>(std::calloc(1, size));
  if (palette == nullptr) return nullptr;
  palette->palVersion = 0x300;
  palette->palNumEntries = kPaletteEntries;
  // Entry 0 stays black; entries 1 to 253 are the blues of the gradient.
  for (int k = 1; k < kPaletteEntries; ++k) {
    palette->palPalEntry[k].peBlue = static_cast<BYTE>(k - 1);
  }
  HPALETTE handle = CreatePalette(palette);
  std::free(palette);
  return handle;
}

}  // namespace

void CreateBackdropGdi() {
  std::call_once(created, [] {
    grayPen = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    progressBrush = CreateSolidBrush(RGB(0, 0, 128));
    gradientPalette = CreateGradientPalette();
  });
}

HPEN FrameBlackPen() {
  return static_cast<HPEN>(GetStockObject(BLACK_PEN));
}

HPEN FrameGrayPen() {
  CreateBackdropGdi();
  return grayPen;
}

HPEN FrameWhitePen() {
  return static_cast<HPEN>(GetStockObject(WHITE_PEN));
}

HBRUSH ProgressBrush() {
  CreateBackdropGdi();
  return progressBrush;
}

HPALETTE GradientPalette() {
  CreateBackdropGdi();
  return gradientPalette;
}

}  // namespace vorna::platform
