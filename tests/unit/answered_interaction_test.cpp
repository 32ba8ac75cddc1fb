// The answered questions of the portable runner: message boxes, the error
// dialog and the input dialog, from the answers file, the terminal or the
// default, and their transcript.
#include "platform/answers/answered_interaction.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/answers/message_box_style.h"
#include "tests/unit/support/answered_dialog_fixture.h"

namespace vorna::platform {
namespace {

using testing::BadAnswer;

using AnsweredInteractionTest = testing::AnsweredDialogTest;

TEST_F(AnsweredInteractionTest, WithoutAnswersTheDefaultButtonIsPressed) {
  Use("");
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "No arguments available.", "VORNA!", 0x10),
            id::Ok);
  EXPECT_EQ(transcript_.str(),
            "[message box] \"VORNA!\" (stop icon)\n"
            "  No arguments available.\n"
            "  buttons: OK\n"
            "  answer: OK (default)\n");
  EXPECT_EQ(interaction_->MessageBox(Owner::Backdrop, "Quit?", "Vorna", 0x4 | 0x100), id::No);
  EXPECT_EQ(interaction_->ErrorDialog({"INSTALL", "MAIN", "Type Mismatch Error", "X", false}),
            ErrorAnswer::Abort);
  EXPECT_TRUE(Said("  buttons: Abort/Ignore/Retry\n"));
}

TEST_F(AnsweredInteractionTest, AButtonTheQuestionDoesNotHaveIsRefused) {
  Use("msgbox OK\n");
  try {
    interaction_->MessageBox(Owner::None, "text", "caption", 0x4);
    FAIL() << "accepted";
  } catch (const BadAnswer& bad) {
    EXPECT_EQ(bad.reason,
              "answers file line 1: \"msgbox OK\" does not fit: the buttons are Yes/No");
  }
  // Debug is only offered with a debugger (tests/debugger/error-stop answers so).
  Use("error Debug\n");
  ErrorReport report{"INSTALL", "<GLOBAL>", "Division By Zero Error", "X = 1 / 0", false};
  EXPECT_THROW(interaction_->ErrorDialog(report), BadAnswer);
}

TEST_F(AnsweredInteractionTest, TheTerminalIsAskedAfterTheFileUntilItAnswersSensibly) {
  Use("msgbox Yes\n", "maybe\n no \n\nretry\n");
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x4), id::Yes);       // file
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x4), id::No);        // "maybe", " no "
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x5), id::Retry);     // Enter = default
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x5), id::Retry);     // "retry"
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x101), id::Cancel);  // end of input
  EXPECT_NE(transcript_.str().find("\"maybe\" is not one of the buttons"), std::string::npos);
}

// An unattended run: nobody answers after the file, not even a default or a
// terminal; the question reaches the handler, which ends the run.
TEST(UnattendedAnswersTest, AQuestionTheFileDoesNotAnswerIsNeverAnsweredByDefault) {
  StringSink transcript;
  vorna::testing::TypedTerminal terminal;
  AnswerPolicy policy = terminal.Policy("Yes\n");
  policy.whenUsedUp = WhenUsedUp::Fail;
  AnswerSource source(AnswersFile::Parse("msgbox Yes\n"), transcript, policy);
  std::vector<std::string> unanswered;
  AnsweredInteraction interaction(source, [&](const AnswersError& error) {
    auto* question = dynamic_cast<const UnansweredQuestion*>(&error);
    unanswered.push_back(question ? question->kind + " " + question->title : "misfit");
  });
  EXPECT_EQ(interaction.MessageBox(Owner::None, "Go on?", "Setup", 0x4), id::Yes);
  EXPECT_EQ(interaction.MessageBox(Owner::None, "Sure?", "Setup", 0x4), 0);
  EXPECT_EQ(interaction.InputDialog("Name?"), std::nullopt);
  PathDialogRequest path{"Setup", "C:\\App", 63, [](const std::string&) {
                           return OkVerdict{true, ""};
                         }};
  EXPECT_EQ(interaction.PathDialog(path), kDialogQuit);
  EXPECT_EQ(unanswered,
            (std::vector<std::string>{"msgbox Setup", "input User Input Needed", "path Setup"}));
  EXPECT_NE(transcript.str().find("  no answer in the answers file\n"), std::string::npos);
}

TEST(MessageBoxStyleTest, ButtonSetsDefaultsAndIcons) {
  EXPECT_EQ(ButtonsOf(0x0).size(), 1u);
  EXPECT_EQ(ButtonsOf(0x6)[1].name, "TryAgain");
  EXPECT_EQ(ButtonsOf(0x6)[1].id, 10);
  EXPECT_EQ(ButtonsOf(0xF).size(), 1u);
  EXPECT_EQ(DefaultButtonOf(0x203, 3), 2u);
  EXPECT_EQ(DefaultButtonOf(0x204, 2), 0u);  // no third button: the first one
  EXPECT_STREQ(IconNameOf(0x10), "stop");
  EXPECT_STREQ(IconNameOf(0x40), "information");
  EXPECT_EQ(IconNameOf(0x1), nullptr);
  EXPECT_EQ(FindChoice(ButtonsOf(0x6), "try again"), 1u);
}

using AnsweredInputDialogTest = AnsweredInteractionTest;

// OK with text, Cancel and the transcript are in tests/scripts/files/input_user.bas.
// Answers longer than the dialog's edit control are cut to its length.
TEST_F(AnsweredInputDialogTest, AnswersKeepTheirInnerBlanksMayBeEmptyAndAreCutToTheDialog) {
  Use("input OK Ann  Smith\ninput ok\ninput OK " + std::string(3000, 'x') + "\n");
  EXPECT_EQ(interaction_->InputDialog("Your name?"), "Ann  Smith");
  EXPECT_EQ(interaction_->InputDialog("Empty?"), "");
  EXPECT_EQ(interaction_->InputDialog("?")->size(), kInputAnswerLength);
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

}  // namespace
}  // namespace vorna::platform
