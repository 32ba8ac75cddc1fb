// The input dialog of the portable runner: answers-file lines, the terminal,
// the default, and the transcript.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "platform/portable/portable_interaction.h"

namespace vorna::platform {
namespace {

struct BadAnswer {
  std::string reason;
};

class PortableInputDialogTest : public testing::Test {
 protected:
  void Use(const std::string& answers, const char* terminalInput = nullptr) {
    if (terminal_ != nullptr) std::fclose(terminal_);
    terminal_ = nullptr;
    if (terminalInput != nullptr) {
      terminal_ = std::tmpfile();
      std::fputs(terminalInput, terminal_);
      std::rewind(terminal_);
    }
    source_ = std::make_unique<AnswerSource>(AnswersFile::Parse(answers), terminal_, transcript_);
    interaction_ = std::make_unique<PortableInteraction>(
        *source_, [](const std::string& reason) { throw BadAnswer{reason}; });
  }
  void TearDown() override {
    if (terminal_ != nullptr) std::fclose(terminal_);
  }

  std::FILE* terminal_ = nullptr;
  std::ostringstream transcript_;
  std::unique_ptr<AnswerSource> source_;
  std::unique_ptr<PortableInteraction> interaction_;
};

TEST_F(PortableInputDialogTest, AnswersFileGivesTextOrCancel) {
  Use("input OK Ann  Smith\ninput cancel\ninput ok\n");
  EXPECT_EQ(interaction_->InputDialog("Your name?"), "Ann  Smith");
  EXPECT_EQ(interaction_->InputDialog("Again?"), std::nullopt);
  EXPECT_EQ(interaction_->InputDialog("Empty?"), "");
  std::string first =
      "[input dialog] \"User Input Needed\"\n"
      "  Your name?\n"
      "  buttons: OK/Cancel\n"
      "  answer: OK \"Ann  Smith\" (answers file line 1)\n";
  EXPECT_EQ(transcript_.str().substr(0, first.size()), first);
  EXPECT_NE(transcript_.str().find("answer: Cancel (answers file line 2)"), std::string::npos);
}

TEST_F(PortableInputDialogTest, LinesThatDoNotFitAreRejected) {
  for (const char* answers : {"input Maybe\n", "input Cancel now\n", "msgbox OK\n"}) {
    Use(answers);
    EXPECT_THROW(interaction_->InputDialog("?"), BadAnswer) << answers;
  }
}

TEST_F(PortableInputDialogTest, TerminalLineOrEndOfInputAndTheDefault) {
  Use("", "typed text\n");
  EXPECT_EQ(interaction_->InputDialog("?"), "typed text");
  EXPECT_EQ(interaction_->InputDialog("?"), std::nullopt);
  Use("");
  EXPECT_EQ(interaction_->InputDialog("?"), "");
}

TEST_F(PortableInputDialogTest, LongAnswersAreCutToTheDialogsLength) {
  Use("input OK " + std::string(3000, 'x') + "\n");
  EXPECT_EQ(interaction_->InputDialog("?")->size(), kInputAnswerLength);
}

}  // namespace
}  // namespace vorna::platform
