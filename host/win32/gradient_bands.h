// The bands of the backdrop's gradient: from blue 255 at the top, one step
// darker per band, each band client height / 255 + 1 pixels high, so that at
// most 255 bands cover the window and the blue never wraps.
#pragma once

namespace vorna {

/// The height of each band for a client height.
constexpr int GradientBandHeight(int clientHeight) {
  return clientHeight / 255 + 1;
}

/// How many bands cover a client height (the last one may be cut).
constexpr int GradientBandCount(int clientHeight) {
  int band = GradientBandHeight(clientHeight);
  return (clientHeight + band - 1) / band;
}

/// The blue of the band with that index, counted from the top.
constexpr int GradientBandBlue(int index) {
  return 255 - index;
}

}  // namespace vorna
