// Jumps to labels: GOTO, GOSUB, ON ... GOTO/GOSUB and ON ERROR GOTO.
#pragma once

namespace vorna {

class Activation;

/// Makes the line labelled label current: a label among the lines of the
/// activation's own procedure first, then one of the module's global area.
/// Raises "Module Not Loaded" without a module, "Undefined Label" when
/// neither has the label.
void JumpToLabel(Activation& activation, const char* label);

}  // namespace vorna
