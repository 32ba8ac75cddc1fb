#include "tools/pack/authoring/line_ends.h"

#include <cstddef>

namespace vorna::authoring {

bool NormaliseLineEnds(std::vector<uint8_t>& text) {
  std::vector<uint8_t> result;
  result.reserve(text.size());
  bool changed = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
      result.push_back('\r');
      changed = true;
    }
    result.push_back(text[i]);
  }
  if (changed) text.swap(result);
  return changed;
}

}  // namespace vorna::authoring
