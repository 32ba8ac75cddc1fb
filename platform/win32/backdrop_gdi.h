// The drawing objects that the backdrop creates once and that live for the
// whole run: the frame pens and the brush of the progress bar, and the
// palette of the backdrop's gradient.
#pragma once

#include "platform/win32/windows_api.h"

namespace vorna::platform {

/// Creates the pens, the brush and the palette (once; later calls do nothing).
void CreateBackdropGdi();

/// The pens of the progress bar's sunken frame.
HPEN FrameBlackPen();
HPEN FrameGrayPen();
HPEN FrameWhitePen();
/// The dark blue brush of the progress bar.
HBRUSH ProgressBrush();
/// The palette of the blue gradient: entry k (1 to 253) is blue k - 1.
HPALETTE GradientPalette();

}  // namespace vorna::platform
