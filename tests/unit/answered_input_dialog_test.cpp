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

// OK with text, Cancel and the transcript are in tests/scripts/files/input_user.bas.
TEST_F(AnsweredInputDialogTest, AnswersKeepTheirInnerBlanksAndMayBeEmpty) {
  Use("input OK Ann  Smith\ninput ok\n");
  EXPECT_EQ(interaction_->InputDialog("Your name?"), "Ann  Smith");
  EXPECT_EQ(interaction_->InputDialog("Empty?"), "");
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
