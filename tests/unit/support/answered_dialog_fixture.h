// An answered interaction over an answers-file text and, optionally, what a
// person types at the terminal: the fixture of the portable runner's dialogs.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/answers/answered_interaction.h"
#include "platform/text_sink.h"
#include "typed_terminal.h"

namespace vorna::testing {

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
