// A terminal for the tests of answered questions: the lines a person would
// type, read from a temporary file.
#pragma once

#include <cstdio>
#include <memory>

#include "platform/answers/answer_source.h"
#include "platform/portable/file_terminal.h"

namespace vorna::testing {

class TypedTerminal {
 public:
  /// The policy of a run with a terminal that types input (none when input is nullptr).
  platform::AnswerPolicy Policy(const char* input) {
    Close();
    if (input == nullptr) return platform::AnswerPolicy();
    file_ = std::tmpfile();
    std::fputs(input, file_);
    std::rewind(file_);
    terminal_ = std::make_unique<platform::FileTerminal>(file_);
    platform::AnswerPolicy policy;
    policy.terminal = terminal_.get();
    return policy;
  }
  ~TypedTerminal() { Close(); }

 private:
  void Close() {
    terminal_.reset();
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
  }

  std::FILE* file_ = nullptr;
  std::unique_ptr<platform::FileTerminal> terminal_;
};

}  // namespace vorna::testing
