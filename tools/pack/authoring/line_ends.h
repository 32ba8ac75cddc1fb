// Line ends of text entries.
#pragma once

#include <cstdint>
#include <vector>

namespace vorna::authoring {

/// Turns every line feed that has no carriage return before it into CR LF.
/// The runtime ends container lines at CR, so a script written with LF line
/// ends would otherwise load as one long line. Answers whether anything changed.
bool NormaliseLineEnds(std::vector<uint8_t>& text);

}  // namespace vorna::authoring
