// What a message box style number means: its buttons, its default button
// and its icon, with the numbers Windows gives them.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/answers/answer_source.h"

namespace vorna::platform {

/// The buttons of a style, left to right (an unknown button set shows OK alone).
std::vector<Choice> ButtonsOf(unsigned style);
/// The index of the default button (MB_DEFBUTTON1..4); the first one when out of range.
size_t DefaultButtonOf(unsigned style, size_t buttonCount);
/// The icon's name ("stop", "question", "exclamation", "information"); nullptr for none.
const char* IconNameOf(unsigned style);

}  // namespace vorna::platform
