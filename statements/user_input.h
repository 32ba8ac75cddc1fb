// INPUT without a file: an optional prompt literal, then one answer per name.
#pragma once

namespace vorna {

class Activation;

/// ["prompt",] name {, name}: writes the prompt, then for each name "? " and
/// asks for an answer (see user_answer.h), which an existing variable takes
/// with SetString; an unknown name discards it, and a cancelled question
/// leaves the variable as it was.
void InputFromUser(Activation& activation);

}  // namespace vorna
