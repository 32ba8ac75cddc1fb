// Where INPUT without a file gets its answers: a line of the console when
// OPTION CONSOLE opened one, otherwise the "User Input Needed" dialog.
#pragma once

#include <optional>
#include <string>

namespace vorna {

class Interpreter;

/// The most a console answer keeps.
constexpr size_t kConsoleAnswerLength = 160;

/// Asks for one answer: from the console (at most kConsoleAnswerLength
/// bytes, cut at the first carriage return or line feed) when it is open,
/// else from the input dialog showing prompt. nullopt when the dialog was
/// cancelled or the console's input has ended.
std::optional<std::string> AskUser(Interpreter& interpreter, const std::string& prompt);

}  // namespace vorna
