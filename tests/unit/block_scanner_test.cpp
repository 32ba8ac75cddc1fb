// The block scanners and the loop statements on malformed blocks.
#include <gtest/gtest.h>

#include "tests/unit/support/program_fixture.h"

namespace vorna {
namespace {

using testing::ProgramTest;

class MalformedBlockTest : public ProgramTest {
 protected:
  /// Runs MAIN with body as its lines; answers the message of the first dialog.
  std::string FirstError(const std::string& body) {
    AddModule("M", "SUB MAIN\n" + body + "\nEND SUB\n");
    Run();
    return interaction_.reports.empty() ? "" : interaction_.reports.front().message;
  }
};

TEST_F(MalformedBlockTest, EndSubInsideASkippedBlockIsUnterminated) {
  EXPECT_EQ(FirstError("WHILE FALSE\nEND SUB\nWEND"), "Unterminated Block Error");
}

TEST_F(MalformedBlockTest, EndSubInsideASkippedIfIsUnterminated) {
  EXPECT_EQ(FirstError("IF FALSE THEN\nX = 1\nEND FUNCTION\nEND IF"), "Unterminated Block Error");
}

TEST_F(MalformedBlockTest, EndSubInsideAnOpenIfIsUnterminated) {
  EXPECT_EQ(FirstError("IF TRUE THEN\nX = 1\nEND SUB"), "Unterminated Block Error");
}

TEST_F(MalformedBlockTest, EndIfWithoutIf) {
  EXPECT_EQ(FirstError("X = 1\nEND IF"), "END IF without IF Error");
  EXPECT_EQ(interaction_.reports.front().statement, "END IF");
}

TEST_F(MalformedBlockTest, NextWithoutFor) {
  EXPECT_EQ(FirstError("WHILE TRUE\nNEXT"), "Next Without For Error");
}

TEST_F(MalformedBlockTest, WendWithoutWhile) {
  EXPECT_EQ(FirstError("FOR I = 1 TO 2\nWEND"), "Wend Without While Error");
}

TEST_F(MalformedBlockTest, ReturnWithoutGosub) {
  EXPECT_EQ(FirstError("FOR I = 1 TO 2\nRETURN"), "Return Without Gosub Error");
}

TEST_F(MalformedBlockTest, LoopWithoutDoIsIllegalUse) {
  EXPECT_EQ(FirstError("LOOP"), "Illegal Use Error");
}

TEST_F(MalformedBlockTest, ExitWhileIsAnInvalidKeyword) {
  EXPECT_EQ(FirstError("WHILE TRUE\nEXIT WHILE\nWEND"), "Invalid Use of Keyword Error");
}

TEST_F(MalformedBlockTest, ResumeAsAStatementIsAnInvalidKeyword) {
  EXPECT_EQ(FirstError("RESUME NEXT"), "Invalid Use of Keyword Error");
}

TEST_F(MalformedBlockTest, AnUnclosedSkippedBlockEndsTheProcedureSilently) {
  // The scan runs out of lines: no error, and nothing after the block runs.
  AddModule("M", "SUB MAIN\nWHILE FALSE\nPRINT 1\n");
  EXPECT_EQ(Run(), "");
  EXPECT_TRUE(interaction_.reports.empty());
}

TEST_F(MalformedBlockTest, ExitForOutOfABlockIfLeavesTheIf) {
  // Leaving a block IF through EXIT FOR closes it: END SUB is accepted.
  EXPECT_EQ(FirstError("FOR I = 1 TO 3\nIF I = 2 THEN\nEXIT FOR\nEND IF\nNEXT\nPRINT I"), "");
  EXPECT_EQ(console_.output, "2\n");
}

TEST_F(MalformedBlockTest, SkippedLoopsWithBlockIfsKeepTheDepth) {
  EXPECT_EQ(FirstError("FOR I = 1 TO 0\nIF TRUE THEN\nX = 1\nEND IF\nNEXT\nPRINT \"ok\""), "");
  EXPECT_EQ(console_.output, "ok\n");
}

TEST_F(MalformedBlockTest, ConditionsOfNestedIfsRunWhileSkipping) {
  AddModule("M",
            "SUB MAIN\n"
            "IF FALSE THEN\n"
            "IF NOTE(1) THEN\n"
            "END IF\n"
            "END IF\n"
            "PRINT \"after\"\n"
            "END SUB\n"
            "FUNCTION NOTE(N AS LONG) AS BOOLEAN\n"
            "PRINT \"noted\"\n"
            "NOTE = TRUE\n"
            "END FUNCTION\n");
  EXPECT_EQ(Run(), "noted\nafter\n");
}

}  // namespace
}  // namespace vorna
