#include "platform/answers/answers_file.h"

#include <gtest/gtest.h>

#include <string>

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

  std::optional<AnswerLine> first = file.Take();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->lineNumber, 3);
  EXPECT_EQ(first->kind, "msgbox");
  EXPECT_EQ(first->answer, "Yes");

  std::optional<AnswerLine> second = file.Take();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->lineNumber, 4);
  EXPECT_EQ(second->kind, "error");

  std::optional<AnswerLine> third = file.Take();
  ASSERT_TRUE(third);
  EXPECT_EQ(third->lineNumber, 6);
  EXPECT_EQ(third->answer, "try again");

  EXPECT_FALSE(file.Take());
  EXPECT_EQ(file.remaining(), 0u);
}

TEST(AnswersFileTest, UnknownKindNamesTheLine) {
  try {
    AnswersFile::Parse("msgbox OK\nbutton OK\n");
    FAIL() << "no error";
  } catch (const AnswersError& error) {
    EXPECT_EQ(std::string(error.what()),
              "line 2: unknown question kind \"button\" (known: msgbox error input open save "
              "license drive path quit progress log)");
  }
}

TEST(AnswersFileTest, KindWithoutAnswerIsAnError) {
  EXPECT_THROW(AnswersFile::Parse("msgbox\n"), AnswersError);
  EXPECT_THROW(AnswersFile::Parse("error   \t\n"), AnswersError);
}

TEST(AnswersFileTest, ALogLineNamesTheLogAndIsNoAnswer) {
  AnswersFile file = AnswersFile::Parse("log C:\\Logs\\setup.log\nmsgbox OK\n");
  EXPECT_EQ(file.logPath(), "C:\\Logs\\setup.log");
  EXPECT_EQ(file.remaining(), 1u);
  EXPECT_EQ(AnswersFile::Parse("msgbox OK").logPath(), "");
  EXPECT_THROW(AnswersFile::Parse("log a.log\nlog b.log\n"), AnswersError);
  EXPECT_THROW(AnswersFile::Parse("log\n"), AnswersError);
}

TEST(AnswersFileTest, ReadTakesTheFileThroughThePlatformAndNamesItInErrors) {
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

}  // namespace
}  // namespace vorna::platform
