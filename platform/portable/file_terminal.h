// The portable runner's terminal: lines typed on a stream (standard input
// when it is a terminal) answer the questions the answers file does not.
#pragma once

#include <cstdio>

#include "platform/answers/answer_terminal.h"

namespace vorna::platform {

class FileTerminal : public AnswerTerminal {
 public:
  /// A terminal that reads in (standard input by default).
  explicit FileTerminal(std::FILE* in = stdin) : in_(in) {}

  std::optional<std::string> ReadLine() override;
  bool LineTyped(int waitMilliseconds) override;

 private:
  std::FILE* in_;
  bool open_ = true;
};

}  // namespace vorna::platform
