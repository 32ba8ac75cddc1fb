// The portable debugger channel over real pipes: whole records, records
// that arrive in pieces, and the other end going away.
#include "platform/portable/fd_debug_channel.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <thread>

#include "platform/installed_platform.h"
#include "platform/portable/portable_system.h"
#include "script/debug_record.h"
#include "script/debugger_connection.h"
#include "tests/unit/support/program_fixture.h"

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
