// The install dialogs of the portable runner: what they ask, how the answers
// file drives them, and that a run without answers always ends.
#include "platform/answers/answered_install_dialogs.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/answers/answered_interaction.h"
#include "platform/answers/terminal_copy_progress.h"
#include "tests/unit/support/answered_dialog_fixture.h"

namespace vorna::platform {
namespace {

using testing::BadAnswer;

class AnsweredInstallDialogsTest : public testing::AnsweredDialogTest {
 protected:
  DriveDialogRequest Drives() {
    DriveDialogRequest request;
    request.caption = "Setup";
    request.programName = "Tool";
    request.spaceNote = "NOTE: Program requires 1 K of drive space.";
    request.drives = {{'C', "C:\tSYS\t2 MEG"}, {'D', "D:\t\t100 K"}};
    request.preselected = 0;
    request.onOk = [this](char letter) {
      tried += letter;
      return letter == 'D' ? OkVerdict{false, "There is not enough free space on that drive"}
                           : OkVerdict{true, ""};
    };
    return request;
  }
  PathDialogRequest Paths(bool acceptAny) {
    PathDialogRequest request;
    request.caption = "Setup";
    request.path = "C:\\Apps";
    request.maxLength = 10;
    request.onOk = [this, acceptAny](const std::string& path) {
      typed.push_back(path);
      return OkVerdict{acceptAny || path == "C:\\Good", "Error, can not create that directory."};
    };
    return request;
  }

  std::string tried;
  std::vector<std::string> typed;
};

// The answered dialogs, a refused drive or folder and Cancel during the copy
// are in tests/scripts/install/dialogs.bas and
// tests/runner/install_sandbox_test.sh; here what those runs do not reach.
// Without answers every dialog ends: the licence is cancelled, then quit.
TEST_F(AnsweredInstallDialogsTest, DefaultsAlwaysEnd) {
  Use("");
  EXPECT_EQ(interaction_->LicenceDialog({"x"}), kDialogQuit);
  EXPECT_EQ(interaction_->PathDialog(Paths(false)), kDialogQuit);  // after a refusal
  EXPECT_EQ(typed, (std::vector<std::string>{"C:\\Apps"}));
  EXPECT_EQ(interaction_->DriveDialog(Drives()), kDialogAccepted);  // OK on the preselected C
  DriveDialogRequest none = Drives();
  none.preselected = -1;
  EXPECT_EQ(interaction_->DriveDialog(none), kDialogQuit);  // Cancel, then Yes
  DriveDialogRequest refused = Drives();
  refused.preselected = 1;
  EXPECT_EQ(interaction_->DriveDialog(refused), kDialogQuit);  // D refused, then Cancel and Yes
  EXPECT_EQ(tried, "CD");
  // OK with no drive selected does nothing: the dialog asks again.
  Use("drive OK\ndrive C\n");
  EXPECT_EQ(interaction_->DriveDialog(none), kDialogAccepted);
  EXPECT_EQ(tried, "CDC");
}

TEST_F(AnsweredInstallDialogsTest, PathAnswersInEachForm) {
  Use("path C:\\Bad\nmsgbox OK\npath OK C:\\Good\npath OK\npath Cancel\nquit Yes\n"
      "path OK C:\\A\\Very\\Long\\Path\n");
  EXPECT_EQ(interaction_->PathDialog(Paths(false)), kDialogAccepted);
  EXPECT_EQ(interaction_->PathDialog(Paths(true)), kDialogAccepted);
  EXPECT_EQ(interaction_->PathDialog(Paths(true)), kDialogQuit);
  EXPECT_EQ(interaction_->PathDialog(Paths(true)), kDialogAccepted);
  // The text is cut to what the edit control takes.
  EXPECT_EQ(typed, (std::vector<std::string>{"C:\\Bad", "C:\\Good", "C:\\Apps", "C:\\A\\Very\\"}));
  EXPECT_TRUE(Said("  path: C:\\Bad\n"));
  EXPECT_TRUE(Said("answer: OK \"C:\\Good\" (answers file line 3)"));
}

TEST_F(AnsweredInstallDialogsTest, AnswersOfAnotherKindAreRefused) {
  Use("msgbox OK\n");
  EXPECT_THROW(interaction_->PathDialog(Paths(true)), BadAnswer);
  Use("drive E\n");
  EXPECT_THROW(interaction_->DriveDialog(Drives()), BadAnswer);
}

TEST(ShownLines, TabsAndALimit) {
  EXPECT_EQ(ShownLines("a\tb\r\nc\n\n", 5), (std::vector<std::string>{"a  b", "c"}));
  EXPECT_EQ(ShownLines("1\n2\n3\n", 2), (std::vector<std::string>{"1", "2", "... (1 more lines)"}));
}

TEST(TerminalCopyProgress, BarPercentBytesRateTimeLeftAndFile) {
  CopyFigures half{0.5, 2048, 4096, 1024};
  EXPECT_EQ(TerminalCopyProgress::BarText(half, "C:\\x"),
            "[##########..........]  50%  2.0 KB of 4.0 KB  1.0 KB/s  0:02 left  C:\\x");
  CopyFigures over{1.5, 3 << 20, 3 << 20, 3 * 1048576.0};
  EXPECT_EQ(TerminalCopyProgress::BarText(over, ""),
            "[####################] 100%  3.0 MB of 3.0 MB  3.0 MB/s  0:00 left  ");
  std::string longPath = "C:\\" + std::string(100, 'a');
  std::string bar = TerminalCopyProgress::BarText({0, 0, 10, 0}, longPath);
  EXPECT_EQ(bar.substr(0, 55), "[....................]   0%  0 B of 10 B  0 B/s  --:-- ");
  EXPECT_EQ(bar.substr(bar.size() - 61), " ..." + std::string(57, 'a'));
  EXPECT_EQ(TerminalCopyProgress::TimeLeftText({0.1, 1, 7201, 2}), "1:00:00 left");
}

// The rate is the bytes copied over the time since the display started, on
// the clock it was given; the time left is what remains at that rate.
TEST(TerminalCopyProgress, MeasuresOnItsClockAndRedrawsAsBytesMove) {
  struct Job : CopyJob {
    void Start() override {}
    bool Ended() const override { return false; }
    std::string CurrentFile() const override { return "C:\\Apps\\big.bin"; }
    double Progress() const override { return copied / 20e6; }
    double BytesCopied() const override { return copied; }
    double TotalBytes() const override { return 20e6; }
    void Pause() override {}
    void Resume() override {}
    void Stop() override {}
    double copied = 0;
  } job;
  double now = 100;
  StringSink out;
  TerminalCopyProgress bar(out, true, [&] { return now; });
  EXPECT_EQ(bar.Measure(job).bytesPerSecond, 0);  // no time has passed
  now = 102;
  job.copied = 5e6;
  CopyFigures figures = bar.Measure(job);
  EXPECT_DOUBLE_EQ(figures.bytesPerSecond, 2.5e6);
  EXPECT_EQ(TerminalCopyProgress::TimeLeftText(figures), "0:06 left");
  bar.Show(job);
  now = 104;
  job.copied = 10e6;
  bar.Show(job);
  bar.Finish(job, "stopped");
  std::string text = out.str();
  EXPECT_NE(text.find(" 25%  4.8 MB of 19.1 MB  2.4 MB/s  0:06 left  C:\\Apps\\big.bin"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(" 50%  9.5 MB of 19.1 MB  2.4 MB/s  0:04 left"), std::string::npos) << text;
  EXPECT_NE(text.find("\n  stopped: 50% of the set, 10000000 bytes, 2.4 MB/s\n"), std::string::npos)
      << text;
}

}  // namespace
}  // namespace vorna::platform
