// The input dialog of the portable runner: answers-file lines, the terminal,
// the default, and the transcript.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/answers/answered_interaction.h"
#include "tests/unit/support/answered_dialog_fixture.h"

namespace vorna::platform {
namespace {

using testing::BadAnswer;

using AnsweredInputDialogTest = testing::AnsweredDialogTest;

TEST_F(AnsweredInputDialogTest, AnswersFileGivesTextOrCancel) {
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

TEST_F(AnsweredInputDialogTest, LinesThatDoNotFitAreRejected) {
  for (const char* answers : {"input Maybe\n", "input Cancel now\n", "msgbox OK\n"}) {
    Use(answers);
    EXPECT_THROW(interaction_->InputDialog("?"), BadAnswer) << answers;
  }
}

TEST_F(AnsweredInputDialogTest, TerminalLineOrEndOfInputAndTheDefault) {
  Use("", "typed text\n");
  EXPECT_EQ(interaction_->InputDialog("?"), "typed text");
  EXPECT_EQ(interaction_->InputDialog("?"), std::nullopt);
  Use("");
  EXPECT_EQ(interaction_->InputDialog("?"), "");
}

TEST_F(AnsweredInputDialogTest, LongAnswersAreCutToTheDialogsLength) {
  Use("input OK " + std::string(3000, 'x') + "\n");
  EXPECT_EQ(interaction_->InputDialog("?")->size(), kInputAnswerLength);
}

}  // namespace
}  // namespace vorna::platform
