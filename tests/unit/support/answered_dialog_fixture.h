// An answered interaction over an answers-file text and, optionally, what a
// person types at the terminal: the fixture of the portable runner's dialogs.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/answers/answer_source.h"
#include "platform/answers/answered_interaction.h"
#include "platform/portable/file_terminal.h"
#include "platform/text_sink.h"

namespace vorna::testing {

/// The lines a person would type at the terminal, read from a temporary file.
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

/// A bad answer ends the run in the runner; here it becomes a test failure we can see.
struct BadAnswer {
  std::string reason;
};

class AnsweredDialogTest : public ::testing::Test {
 protected:
  /// Builds the interaction over an answers-file text and an optional terminal input.
  void Use(const std::string& answers, const char* terminalInput = nullptr) {
    source_ = std::make_unique<platform::AnswerSource>(
        platform::AnswersFile::Parse(answers), transcript_, terminal_.Policy(terminalInput));
    interaction_ = std::make_unique<platform::AnsweredInteraction>(
        *source_, [](const platform::AnswersError& error) { throw BadAnswer{error.what()}; });
  }
  /// True when the transcript holds text.
  bool Said(const std::string& text) const {
    return transcript_.str().find(text) != std::string::npos;
  }

  TypedTerminal terminal_;
  platform::StringSink transcript_;
  std::unique_ptr<platform::AnswerSource> source_;
  std::unique_ptr<platform::AnsweredInteraction> interaction_;
};

}  // namespace vorna::testing
