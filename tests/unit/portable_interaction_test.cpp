#include "platform/portable/portable_interaction.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "platform/portable/message_box_style.h"

namespace vorna::platform {
namespace {

/// A bad answer ends the run in the runner; here it becomes a test failure we can see.
struct BadAnswer {
  std::string reason;
};

class PortableInteractionTest : public testing::Test {
 protected:
  /// Builds the interaction over an answers-file text and an optional terminal input.
  void Use(const std::string& answers, const char* terminalInput = nullptr) {
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

TEST_F(PortableInteractionTest, WithoutAnswersTheDefaultButtonIsPressed) {
  Use("");
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "No arguments available.", "VORNA!", 0x10),
            id::Ok);
  EXPECT_EQ(transcript_.str(),
            "[message box] \"VORNA!\" (stop icon)\n"
            "  No arguments available.\n"
            "  buttons: OK\n"
            "  answer: OK (default)\n");
  EXPECT_EQ(interaction_->MessageBox(Owner::Backdrop, "Quit?", "Vorna", 0x4 | 0x100), id::No);
}

TEST_F(PortableInteractionTest, AnswersAreTakenInOrderAndIgnoreCase) {
  Use("msgbox no\nmsgbox Cancel\nerror retry\n");
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x3), id::No);
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x1), id::Cancel);
  EXPECT_EQ(interaction_->ErrorDialog({"INSTALL", "MAIN", "Syntax Error", "X = ", false}),
            ErrorAnswer::Retry);
  EXPECT_NE(transcript_.str().find("answer: Retry (answers file line 3)"), std::string::npos);
  // The file is used up: back to the default button.
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x2), id::Abort);
}

TEST_F(PortableInteractionTest, AnAnswerOfAnotherKindIsRefused) {
  Use("error Abort\n");
  try {
    interaction_->MessageBox(Owner::None, "text", "caption", 0);
    FAIL() << "accepted";
  } catch (const BadAnswer& bad) {
    EXPECT_EQ(bad.reason,
              "answers file line 1: \"error Abort\" answers error dialog, "
              "but the question is message box");
  }
}

TEST_F(PortableInteractionTest, AButtonTheBoxDoesNotHaveIsRefused) {
  Use("msgbox OK\n");
  try {
    interaction_->MessageBox(Owner::None, "text", "caption", 0x4);
    FAIL() << "accepted";
  } catch (const BadAnswer& bad) {
    EXPECT_EQ(bad.reason,
              "answers file line 1: \"msgbox OK\" does not fit: the buttons are Yes/No");
  }
}

TEST_F(PortableInteractionTest, DebugIsOnlyOfferedWithADebugger) {
  Use("error Debug\nerror Debug\n");
  ErrorReport report{"INSTALL", "<GLOBAL>", "Division By Zero Error", "X = 1 / 0", false};
  EXPECT_THROW(interaction_->ErrorDialog(report), BadAnswer);
  report.debugEnabled = true;
  EXPECT_EQ(interaction_->ErrorDialog(report), ErrorAnswer::Debug);
}

TEST_F(PortableInteractionTest, ErrorDialogShowsTheReportAndDefaultsToAbort) {
  Use("");
  ErrorReport report{"INSTALL", "MAIN", "Type Mismatch Error", "X = \"A\" + 1", false};
  EXPECT_EQ(interaction_->ErrorDialog(report), ErrorAnswer::Abort);
  std::string text = transcript_.str();
  for (const char* line : {"module: INSTALL", "procedure: MAIN", "message: Type Mismatch Error",
                           "statement: X = \"A\" + 1", "buttons: Abort/Ignore/Retry\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

TEST_F(PortableInteractionTest, TheTerminalIsAskedAfterTheFileUntilItAnswersSensibly) {
  Use("msgbox Yes\n", "maybe\n no \n\nretry\n");
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x4), id::Yes);       // file
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x4), id::No);        // "maybe", " no "
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x5), id::Retry);     // Enter = default
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x5), id::Retry);     // "retry"
  EXPECT_EQ(interaction_->MessageBox(Owner::None, "a", "b", 0x101), id::Cancel);  // end of input
  EXPECT_NE(transcript_.str().find("\"maybe\" is not one of the buttons"), std::string::npos);
}

TEST_F(PortableInteractionTest, MultiLineTextIsIndentedLineByLine) {
  Use("");
  interaction_->MessageBox(Owner::None, "one\r\ntwo\nthree", "c", 0);
  EXPECT_NE(transcript_.str().find("  one\n  two\n  three\n"), std::string::npos);
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

}  // namespace
}  // namespace vorna::platform
