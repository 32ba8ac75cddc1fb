// A person at a terminal who answers the questions that the answers file
// does not: the portable runner's standard input when it is a terminal.
#pragma once

#include <optional>
#include <string>

namespace vorna::platform {

class AnswerTerminal {
 public:
  virtual ~AnswerTerminal() = default;
  /// Reads one line as typed, without its line end; nullopt at the end of input.
  virtual std::optional<std::string> ReadLine() = 0;
  /// Waits up to waitMilliseconds for a line to be typed and reads it; true
  /// when one was (a key press during the copy). The end of input answers
  /// false now and at every later call.
  virtual bool LineTyped(int waitMilliseconds) = 0;
};

}  // namespace vorna::platform
