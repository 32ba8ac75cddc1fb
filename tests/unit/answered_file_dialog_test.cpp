// The Open and Save As dialogs of the portable runner: answers, transcript and
// how a chosen path fills the dialog record.
#include "platform/answers/answered_file_dialog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "platform/answers/answered_interaction.h"
#include "tests/unit/support/answered_dialog_fixture.h"

namespace vorna::platform {
namespace {

using testing::BadAnswer;

/// A record over buffers of its own, as the file dialog object lays it out.
struct Record {
  Record() {
    record.filter = filter;
    record.file = file;
    record.maxFile = sizeof file;
    record.fileTitle = fileTitle;
    record.maxFileTitle = sizeof fileTitle;
    record.initialDir = initialDir;
    record.title = title;
    record.defaultExtension = defaultExtension;
  }
  FileDialogRecord record;
  char filter[64] = "Text\0*.TXT\0All\0*.*\0";
  char file[32] = "";
  char fileTitle[16] = "";
  char initialDir[32] = "";
  char title[32] = "";
  char defaultExtension[8] = "";
};

class AnsweredFileDialogTest : public testing::AnsweredDialogTest {
 protected:
  Record r_;
};

// The answered Open and Save As dialogs, their transcript and Cancel are in
// tests/scripts/system/file_dialogs.bas; here the record's offsets, the
// folder line, OK without a name and the default.
TEST_F(AnsweredFileDialogTest, TheChosenPathFillsTheRecordAndNoNameChangesNothing) {
  Use("open OK C:\\Data\\notes.txt\nopen OK\n");
  std::strcpy(r_.initialDir, "C:\\Data");
  ASSERT_TRUE(interaction_->OpenFileDialog(r_.record));
  EXPECT_STREQ(r_.file, "C:\\Data\\notes.txt");
  EXPECT_EQ(r_.record.fileOffset, 8);
  EXPECT_EQ(r_.record.fileExtension, 14);
  EXPECT_TRUE(Said("  folder: C:\\Data\n"));
  EXPECT_FALSE(interaction_->OpenFileDialog(r_.record));
  EXPECT_FALSE(interaction_->OpenFileDialog(r_.record));
  EXPECT_STREQ(r_.file, "C:\\Data\\notes.txt");
  EXPECT_TRUE(Said("answer: OK \"\" (default)"));
}

TEST_F(AnsweredFileDialogTest, AnswerOfAnotherKindEndsTheRun) {
  Use("msgbox OK\n");
  try {
    interaction_->OpenFileDialog(r_.record);
    FAIL() << "accepted";
  } catch (const BadAnswer& bad) {
    EXPECT_NE(bad.reason.find("answers file line 1"), std::string::npos) << bad.reason;
    EXPECT_NE(bad.reason.find("open dialog"), std::string::npos) << bad.reason;
  }
  EXPECT_THROW(AnswersFile::Parse("open\n"), AnswersError);
  Use("save C:\\x.txt\n");
  EXPECT_THROW(interaction_->SaveFileDialog(r_.record), BadAnswer) << "the button word is missing";
}

TEST_F(AnsweredFileDialogTest, TerminalAnswers) {
  Use("", "D:\\x.bin\n\n");
  std::strcpy(r_.title, "Where to?");
  ASSERT_TRUE(interaction_->SaveFileDialog(r_.record));
  EXPECT_STREQ(r_.file, "D:\\x.bin");
  EXPECT_NE(transcript_.str().find("[save dialog] \"Where to?\""), std::string::npos);
  EXPECT_FALSE(interaction_->SaveFileDialog(r_.record)) << "Enter alone chooses no name";
  EXPECT_FALSE(interaction_->SaveFileDialog(r_.record)) << "end of input cancels";
  EXPECT_STREQ(r_.file, "D:\\x.bin");
}

TEST_F(AnsweredFileDialogTest, ChosenPathsAreCompletedAsTheDialogWould) {
  std::strcpy(r_.initialDir, "C:\\Docs\\");
  std::strcpy(r_.defaultExtension, "txt");
  ASSERT_TRUE(FillFileDialogRecord(r_.record, "report"));
  EXPECT_STREQ(r_.file, "C:\\Docs\\report.txt");
  ASSERT_TRUE(FillFileDialogRecord(r_.record, "D:\\a.b\\plain"));
  EXPECT_STREQ(r_.file, "D:\\a.b\\plain.txt");
  ASSERT_TRUE(FillFileDialogRecord(r_.record, "C:\\has.ext"));
  EXPECT_STREQ(r_.file, "C:\\has.ext");
  EXPECT_EQ(r_.record.fileOffset, 3);
  EXPECT_EQ(r_.record.fileExtension, 7);
  r_.defaultExtension[0] = '\0';
  ASSERT_TRUE(FillFileDialogRecord(r_.record, "C:\\noext"));
  EXPECT_EQ(r_.record.fileExtension, 0);
}

TEST_F(AnsweredFileDialogTest, APathThatDoesNotFitFailsAndChangesNothing) {
  std::strcpy(r_.file, "kept");
  std::string longest(sizeof r_.file - 1, 'a');
  EXPECT_FALSE(FillFileDialogRecord(r_.record, longest + "a"));
  EXPECT_STREQ(r_.file, "kept");
  ASSERT_TRUE(FillFileDialogRecord(r_.record, longest));
  EXPECT_EQ(std::string(r_.file), longest);
  // The title does not fit its 16 bytes: the file is set, the title left alone.
  EXPECT_STREQ(r_.fileTitle, "");
}

TEST(DescribeFilterTest, PairsBecomeOneLine) {
  EXPECT_EQ(DescribeFilter("Text\0*.TXT\0All\0*.*\0"), "Text (*.TXT), All (*.*)");
  EXPECT_EQ(DescribeFilter("Any\0*.*\0\0"), "Any (*.*)");
  EXPECT_EQ(DescribeFilter("Lonely\0\0"), "Lonely ()");
  EXPECT_EQ(DescribeFilter("\0"), "");
  EXPECT_EQ(DescribeFilter(nullptr), "");
}

}  // namespace
}  // namespace vorna::platform
