#include "platform/portable/answers_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

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
  EXPECT_EQ(third->answer, "try again");

  EXPECT_FALSE(file.Take());
  EXPECT_EQ(file.remaining(), 0u);
}

TEST(AnswersFileTest, AnEmptyFileHasNoAnswers) {
  EXPECT_FALSE(AnswersFile::Parse("").Take());
  EXPECT_FALSE(AnswersFile().Take());
}

TEST(AnswersFileTest, UnknownKindNamesTheLine) {
  try {
    AnswersFile::Parse("msgbox OK\nbutton OK\n");
    FAIL() << "no error";
  } catch (const AnswersError& error) {
    EXPECT_EQ(std::string(error.what()),
              "line 2: unknown question kind \"button\" (known: msgbox error input open save "
              "license drive path quit progress)");
  }
}

TEST(AnswersFileTest, KindWithoutAnswerIsAnError) {
  EXPECT_THROW(AnswersFile::Parse("msgbox\n"), AnswersError);
  EXPECT_THROW(AnswersFile::Parse("error   \t\n"), AnswersError);
}

TEST(AnswersFileTest, LoadReadsAFileAndNamesItInErrors) {
  std::string path = testing::TempDir() + "answers_file_test.txt";
  {
    std::ofstream out(path);
    out << "msgbox OK\nnonsense\n";
  }
  try {
    AnswersFile::Load(path);
    FAIL() << "no error";
  } catch (const AnswersError& error) {
    EXPECT_EQ(std::string(error.what()),
              path + ": line 2: unknown question kind \"nonsense\" " +
                  "(known: msgbox error input open save license drive path quit progress)");
  }
  std::remove(path.c_str());
  EXPECT_THROW(AnswersFile::Load(path), AnswersError);
}

}  // namespace
}  // namespace vorna::platform
