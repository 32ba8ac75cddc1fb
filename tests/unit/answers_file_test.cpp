#include "platform/answers/answers_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/support/fileset_fixture.h"

namespace vorna::platform {
namespace {

TEST(AnswersFileTest, LinesAreHandedOutInOrderSkippingCommentsAndBlanks) {
  AnswersFile file = AnswersFile::Parse(
      "# the licence comes first\n"
      "\n"
      "  MsgBox   Yes  \r\n"
      "error Abort\n"
      "\t# indented comment\n"
      "msgbox try again");
  EXPECT_EQ(file.remaining(), 3u);
  std::vector<std::string> taken;
  while (std::optional<AnswerLine> line = file.Take()) {
    taken.push_back(std::to_string(line->lineNumber) + " " + line->kind + " " + line->answer);
  }
  EXPECT_EQ(taken,
            (std::vector<std::string>{"3 msgbox Yes", "4 error Abort", "6 msgbox try again"}));
  EXPECT_EQ(file.remaining(), 0u);
}

// A kind without its answer ("msgbox" alone) is refused in
// tests/runner/vorna_run_test.sh.
TEST(AnswersFileTest, UnknownKindsAndKindsWithoutAnswerAreRefusedNamingTheFile) {
  try {
    AnswersFile::Parse("msgbox OK\nbutton OK\n");
    FAIL() << "no error";
  } catch (const AnswersError& error) {
    EXPECT_EQ(std::string(error.what()),
              "line 2: unknown question kind \"button\" (known: msgbox error input open save "
              "license drive path quit progress log)");
  }
  EXPECT_THROW(AnswersFile::Parse("error   \t\n"), AnswersError);
  // Read takes the file through the platform and names it in its errors.
  vorna::testing::SandboxPlatform sandbox;
  vorna::testing::WriteHostFile(sandbox.Host("answers.txt"), "msgbox OK\nnonsense\n");
  try {
    AnswersFile::Read(sandbox.files, "C:\\answers.txt");
    FAIL() << "no error";
  } catch (const AnswersError& error) {
    EXPECT_EQ(std::string(error.what()),
              "C:\\answers.txt: line 2: unknown question kind \"nonsense\" "
              "(known: msgbox error input open save license drive path quit progress log)");
  }
  EXPECT_THROW(AnswersFile::Read(sandbox.files, "C:\\none.txt"), AnswersError);
  vorna::testing::WriteHostFile(sandbox.Host("answers.txt"), "license Agree\r\n");
  EXPECT_EQ(AnswersFile::Read(sandbox.files, "C:\\answers.txt").remaining(), 1u);
}

TEST(AnswersFileTest, ALogLineNamesTheLogAndIsNoAnswer) {
  AnswersFile file = AnswersFile::Parse("log C:\\Logs\\setup.log\nmsgbox OK\n");
  EXPECT_EQ(file.logPath(), "C:\\Logs\\setup.log");
  EXPECT_EQ(file.remaining(), 1u);
  EXPECT_EQ(AnswersFile::Parse("msgbox OK").logPath(), "");
  EXPECT_THROW(AnswersFile::Parse("log a.log\nlog b.log\n"), AnswersError);
  EXPECT_THROW(AnswersFile::Parse("log\n"), AnswersError);
}

}  // namespace
}  // namespace vorna::platform
