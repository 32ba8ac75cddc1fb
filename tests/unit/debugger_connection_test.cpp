// The runtime's end of the debugger connection, for what the debugger
// sessions (tests/debugger/) do not show: watches that call or fail, GOTO run
// from the debugger, unknown replies, the cut of output records and the
// connection lost before the first report (a debugger that quits is in the
// error-stop session); and the portable channel over real pipes: whole
// records, records that arrive in pieces, the other end going away.
#include "script/debugger_connection.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/installed_platform.h"
#include "platform/portable/fd_debug_channel.h"
#include "platform/portable/portable_system.h"
#include "script/debug_record.h"
#include "script/host_output.h"
#include "tests/unit/support/debugger_fixture.h"

namespace vorna {
namespace {

using platform::ErrorAnswer;
using Lines = std::vector<std::string>;
using testing::DebuggerTest;

constexpr const char* kTwoPrints =
    "SUB MAIN\n"
    "  PRINT \"A\"\n"
    "  PRINT \"B\"\n"
    "END SUB\n";

TEST_F(DebuggerTest, AWatchedFunctionCallRunsUnreported) {
  AddModule("SETUP",
            "SUB MAIN\n"
            "  PRINT 1\n"
            "END SUB\n"
            "FUNCTION TWICE(N AS LONG) AS LONG\n"
            "  TWICE = N * 2\n"
            "END FUNCTION\n");
  // Unknown letters and empty reads are asked again.
  debugger_.emptyReads = 3;
  Reply({"I", "Z nothing", "", "W TWICE(21)", "G"});
  RunDebugged();
  EXPECT_EQ(debugger_.Transcript(), (Lines{"F SETUP|0", "F SETUP|1", "W 42", "O 1"}));
  EXPECT_EQ(interpreter_->steppingFlag, 0);
}

TEST_F(DebuggerTest, AnExecutedGotoMakesItsTargetTheLineThatRuns) {
  AddModule("SETUP",
            "SUB MAIN\n"
            "  PRINT \"A\"\n"
            "  PRINT \"B\"\n"
            "THERE:\n"
            "  PRINT \"C\"\n"
            "  PRINT \"D\"\n"
            "END SUB\n");
  Reply({"I", "X GOTO THERE", "I", "I", "G"});
  RunDebugged();
  // The report stands for line 1; the I after the jump runs the label's line
  // (empty), then line 4 is reported.
  EXPECT_EQ(debugger_.Transcript(),
            (Lines{"F SETUP|0", "F SETUP|1", "F SETUP|4", "O C", "F SETUP|5", "O D"}));
}

TEST_F(DebuggerTest, AFailingWatchIsAnErrorOfTheLineAndTheDebuggerKeepsControl) {
  interaction_.answers = {ErrorAnswer::Retry, ErrorAnswer::Ignore};
  AddModule("SETUP", kTwoPrints);
  Reply({"I", "W 1 +", "W \"A\" + 1", "I", "G"});
  RunDebugged();
  // Retry reports the same line again; Ignore skips it.
  EXPECT_EQ(debugger_.Transcript(),
            (Lines{"F SETUP|0", "F SETUP|1", "F SETUP|1", "F SETUP|2", "O B", "F SETUP|3"}));
  ASSERT_EQ(interaction_.reports.size(), 2u);
  EXPECT_EQ(interaction_.reports[0].statement, "1 +");
}

TEST_F(DebuggerTest, OutputIsCutAtItsFirstLineEndAfterTheLengthCut) {
  HostOutput(*interpreter_, "AB\rCD");
  HostOutput(*interpreter_, std::string(253, 'y') + "\nZ");
  HostOutput(*interpreter_, std::string(254, 'z') + "\n");
  HostOutput(*interpreter_, "\nhidden");
  HostOutputFormat(*interpreter_, "?%s ERROR:\n", "TYPE MISMATCH");
  EXPECT_EQ(debugger_.Transcript(),
            (Lines{"O AB", "O " + std::string(253, 'y'), "O " + std::string(254, 'z'),
                   "O ?TYPE MISMATCH ERROR:"}));
}

// A failed write and a missing channel both lose the connection at the
// first report, before the first line runs.
TEST_F(DebuggerTest, ALostConnectionEndsTheRunBeforeAnythingRuns) {
  AddModule("SETUP", kTwoPrints);
  debugger_.failWrites = true;
  EXPECT_EQ(RunDebugged(), 0);
  platform::Platform machine = platform::Current();
  machine.debugChannel = nullptr;
  platform::SetPlatform(machine);
  EXPECT_EQ(RunDebugged(), 0);
  EXPECT_EQ(interaction_.messages,
            (Lines{"Lost debugger connection.", "Lost debugger connection."}));
}

TEST(DebugRecordTest, ALetterAndATextCutTo254AndPaddedWithZeros) {
  for (size_t length : {8u, 253u, 254u, 255u, 256u, 1000u}) {
    SCOPED_TRACE(length);
    platform::DebugRecordBytes record = EncodeDebugRecord('O', std::string(length, 'q'));
    EXPECT_EQ(record[0], 'O');
    size_t kept = std::min<size_t>(length, 254);
    for (size_t i = 1 + kept; i < record.size(); ++i) ASSERT_EQ(record[i], 0) << i;
    DebugMessage back = DecodeDebugRecord(record);
    EXPECT_EQ(back.letter, 'O');
    EXPECT_EQ(back.text, std::string(kept, 'q'));
  }
}

TEST(DebugRecordTest, ARecordWithoutAZeroIsReadWithinItsBounds) {
  platform::DebugRecordBytes record;
  record.fill('a');
  record[0] = 'W';
  EXPECT_EQ(DecodeDebugRecord(record).text, std::string(255, 'a'));
  EXPECT_EQ(DecodeDebugRecord(EncodeDebugRecord('X', std::string("A\0B", 3))).text, "A");
}

}  // namespace
}  // namespace vorna

namespace vorna::platform {
namespace {

// Both ends of a pipe, each closed once: by Close or at the end.
struct Pipe {
  Pipe() { EXPECT_EQ(pipe(fds), 0); }
  ~Pipe() {
    Close(0);
    Close(1);
  }
  void Close(int end) {
    if (fds[end] >= 0) close(fds[end]);
    fds[end] = -1;
  }
  int fds[2] = {-1, -1};
};

TEST(FdDebugChannelTest, RecordsGoThroughWholeEvenWhenWrittenInPieces) {
  Pipe toRuntime, fromRuntime;
  FdDebugChannel runtime(toRuntime.fds[0], fromRuntime.fds[1]);
  FdDebugChannel debugger(fromRuntime.fds[0], toRuntime.fds[1]);
  ASSERT_TRUE(runtime.Write(EncodeDebugRecord('F', "SETUP|3")));
  DebugRecordBytes record{};
  ASSERT_EQ(debugger.Read(record), ChannelRead::Record);
  EXPECT_EQ(DecodeDebugRecord(record).text, "SETUP|3");

  DebugRecordBytes reply = EncodeDebugRecord('W', "A + 1");
  std::thread writer([&] {
    ASSERT_EQ(write(toRuntime.fds[1], reply.data(), 100), 100);
    usleep(20000);
    ASSERT_EQ(write(toRuntime.fds[1], reply.data() + 100, 156), 156);
  });
  ASSERT_EQ(runtime.Read(record), ChannelRead::Record);
  writer.join();
  EXPECT_EQ(DecodeDebugRecord(record).text, "A + 1");
}

TEST(FdDebugChannelTest, AGoneOtherEndFailsReadsAndWrites) {
  IgnoreBrokenPipes();
  Pipe pipe;
  FdDebugChannel channel(pipe.fds[0], pipe.fds[1]);
  DebugRecordBytes record{};
  // Half a record, then the writer goes: the rest never comes.
  ASSERT_EQ(write(pipe.fds[1], record.data(), 10), 10);
  pipe.Close(1);
  EXPECT_EQ(channel.Read(record), ChannelRead::Failed);
  Pipe other;
  FdDebugChannel writer(other.fds[0], other.fds[1]);
  other.Close(0);
  EXPECT_FALSE(writer.Write(record));
  EXPECT_FALSE(FdDebugChannel(-1, -1).Write(record));
}

// A message box that shows on standard error, as the portable runner's does.
class StandardErrorBoxes : public Interaction {
 public:
  int MessageBox(Owner, const std::string& text, const std::string& caption, unsigned) override {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    return id::Ok;
  }
  ErrorAnswer ErrorDialog(const ErrorReport&) override { return ErrorAnswer::Abort; }
};

void ReportToAClosedDebugger() {
  IgnoreBrokenPipes();
  Pipe pipe;
  FdDebugChannel channel(pipe.fds[0], pipe.fds[1]);
  pipe.Close(0);
  PortableSystem system;
  StandardErrorBoxes boxes;
  Platform machine;
  machine.system = &system;
  machine.interaction = &boxes;
  machine.debugChannel = &channel;
  SetPlatform(machine);
  Interpreter interpreter(platform::Current());
  interpreter.connectedFlag = 1;
  SendToDebugger(interpreter, 'F', "SETUP|1");
}

TEST(FdDebugChannelDeathTest, AClosedDebuggerEndsTheProcessWithCodeZero) {
  EXPECT_EXIT(ReportToAClosedDebugger(), ::testing::ExitedWithCode(0),
              "\\[Error\\] Lost debugger connection\\.");
}

}  // namespace
}  // namespace vorna::platform
