// The debugger client without processes: the session against a scripted
// runtime, the command language's transcript, the client's options, and
// where it finds the modules it lists: the container of a packed runtime
// first, then plain files matched regardless of case.
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "installdata/scramble.h"
#include "platform/installed_platform.h"
#include "script/debug_record.h"
#include "tests/unit/support/temp_folder.h"
#include "tools/debug/client_options.h"
#include "tools/debug/command_shell.h"
#include "tools/debug/debug_session.h"
#include "tools/debug/module_files.h"
#include "tools/pack/authoring/container_writer.h"

namespace vorna::debug {
namespace {

using Lines = std::vector<std::string>;

// The runtime's end: what it sends first, then what it answers to each
// record of the client, in turn. When nothing is left to read the runtime is
// gone.
class ScriptedRuntime : public platform::DebugChannel {
 public:
  bool Write(const platform::DebugRecordBytes& record) override {
    DebugMessage message = DecodeDebugRecord(record);
    received.push_back(message.text.empty() ? std::string(1, message.letter)
                                            : message.letter + (" " + message.text));
    if (!answers.empty()) {
      for (const std::string& text : answers.front()) Queue(text);
      answers.pop_front();
    }
    return true;
  }
  platform::ChannelRead Read(platform::DebugRecordBytes& record) override {
    if (pending.empty()) return platform::ChannelRead::Failed;
    record = pending.front();
    pending.pop_front();
    return platform::ChannelRead::Record;
  }
  /// Queues "F SETUP|1" or "O text" for reading.
  void Queue(const std::string& text) {
    pending.push_back(EncodeDebugRecord(text[0], text.size() > 2 ? text.substr(2) : ""));
  }

  std::deque<platform::DebugRecordBytes> pending;
  std::deque<Lines> answers;
  Lines received;
};

std::optional<std::string> TwoModules(const std::string& module) {
  if (module == "SETUP") return std::string("SUB MAIN\r\n  A = 1\r\n  SHOW\r\nEND SUB\r\n");
  if (module == "LIB") return std::string("SUB SHOW\n  PRINT A\nEND SUB\n");
  return std::nullopt;
}

class DebugClientTest : public ::testing::Test {
 protected:
  DebugClientTest() : sources_(TwoModules), shell_(sources_, out_), session_(runtime_, shell_) {
    shell_.Attach(session_);
  }

  /// Runs the commands and answers the transcript they wrote.
  std::string Run(const Lines& commands) {
    session_.Start();
    for (const std::string& command : commands) {
      out_ << "> " << command << "\n";
      if (!shell_.Execute(command)) break;
    }
    return out_.str();
  }

  ScriptedRuntime runtime_;
  SourceLibrary sources_;
  std::ostringstream out_;
  CommandShell shell_;
  DebugSession session_;
};

// What the sessions in tests/debugger show of step, next, skip, continue and
// error stops is not repeated here; these are the records behind them and the
// answers the sessions do not reach.
TEST_F(DebugClientTest, ContinueStepsSilentlyToABreakpointThenRunsToTheEnd) {
  runtime_.Queue("F SETUP|1");
  runtime_.answers = {{"F SETUP|2"}, {"O x", "F LIB|1"}, {"F LIB|2"}, {}};
  EXPECT_EQ(Run({"break lib:2", "break SETUP:9", "delete SETUP:9", "delete SETUP:9", "break",
                 "continue", "continue", "step", "list"}),
            "at SETUP:2: A = 1\n"
            "> break lib:2\nbreakpoint LIB:2\n"
            "> break SETUP:9\nbreakpoint SETUP:9\n"
            "> delete SETUP:9\ndeleted breakpoint SETUP:9\n"
            "> delete SETUP:9\nno breakpoint at SETUP:9\n"
            "> break\nbreakpoint LIB:2\n"
            "> continue\noutput: x\nbreakpoint at LIB:2: PRINT A\n"
            "> continue\nprogram ended\n"
            "> step\nthe program is not running\n"
            "> list\nthe program is not running\n");
  EXPECT_EQ(runtime_.received, (Lines{"I", "I", "I", "I"}));
  EXPECT_FALSE(session_.running());
}

TEST_F(DebugClientTest, AnErrorStopEndsAContinueBeforeAnyBreakpoint) {
  runtime_.Queue("F SETUP|1");
  runtime_.answers = {{"E SETUP|1"}, {"W Break Error"}};
  session_.AddBreakpoint({"LIB", 2});
  EXPECT_EQ(Run({"continue"}),
            "at SETUP:2: A = 1\n> continue\nerror stop at SETUP:2: A = 1\n  Break Error\n");
}

TEST_F(DebugClientTest, PrintShowsTheValueOrTheFailure) {
  runtime_.Queue("F SETUP|1");
  runtime_.answers = {{"W 5"}, {"F SETUP|2"}, {"O 7", "W 0"}};
  EXPECT_EQ(Run({"print a", "print 1 +", "exec PRINT 7", "print", "exec"}),
            "at SETUP:2: A = 1\n"
            "> print a\na = 5\n"
            "> print 1 +\nat SETUP:3: SHOW\ncould not evaluate 1 +\n"
            "> exec PRINT 7\noutput: 7\n"
            "> print\nprint needs an expression\n"
            "> exec\nexec needs a statement\n");
  // An executed statement is followed by a watch that tells when it is done.
  EXPECT_EQ(runtime_.received, (Lines{"W a", "W 1 +", "X PRINT 7", "W 0"}));
}

// The lines around the current one are listed in the session of
// tests/debugger/session; a module without source says so.
TEST_F(DebugClientTest, ListNamesAModuleWithoutSource) {
  runtime_.Queue("F NOWHERE|0");
  EXPECT_EQ(Run({"list"}), "at NOWHERE:1\n> list\nno source for module NOWHERE\n");
}

TEST_F(DebugClientTest, QuitAndMistakes) {
  runtime_.Queue("F SETUP|1");
  // help is in the session of tests/debugger/session.
  std::string transcript =
      Run({"frobnicate", "break SETUP", "break :3", "break X:0", "quit", "step"});
  EXPECT_NE(transcript.find("unknown command \"frobnicate\""), std::string::npos);
  EXPECT_EQ(transcript.find("breakpoint SETUP"), std::string::npos);
  EXPECT_NE(transcript.find("> break X:0\nbreak needs MODULE:LINE"), std::string::npos);
  // quit ends the command loop: step is never run.
  EXPECT_EQ(transcript.find("> step"), std::string::npos);
  EXPECT_TRUE(runtime_.received.empty());
}

TEST(DebugSessionTest, ReportsAreReadAsModuleAndLine) {
  EXPECT_EQ(ParseLineReport("SETUP|12"), (Location{"SETUP", 12}));
  EXPECT_EQ(ParseLineReport("A|B|0"), (Location{"A|B", 0}));
  EXPECT_EQ(ParseLineReport("|3"), (Location{"", 3}));
  EXPECT_FALSE(ParseLineReport("SETUP"));
  EXPECT_FALSE(ParseLineReport("SETUP|"));
  EXPECT_FALSE(ParseLineReport("SETUP|1x"));
}

TEST(SourceLibraryTest, LinesEndAtLfCrLfOrCr) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n\nb\n"), (Lines{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
  int loads = 0;
  SourceLibrary library([&loads](const std::string&) {
    ++loads;
    return std::optional<std::string>();
  });
  EXPECT_EQ(library.Lines("X"), nullptr);
  EXPECT_EQ(library.Line("X", 0), std::nullopt);
  EXPECT_EQ(loads, 1);  // a missing module is looked for once
}

TEST(ClientOptionsTest, RuntimeHostOptionsAndTheImageForListing) {
  const char* run[] = {"--batch", "cmds",      "--startup", "setup2.ctl", "vorna-run",
                       "--image", "setup.exe", "--root",    "r"};
  std::string error;
  std::optional<ClientOptions> options = ParseClientOptions(9, run, &error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->batch, "cmds");
  EXPECT_EQ(options->launch.runtime, "vorna-run");
  EXPECT_EQ(options->launch.hostArguments, (Lines{"--image", "setup.exe", "--root", "r"}));
  EXPECT_EQ(options->image, "setup.exe");
  EXPECT_EQ(DebugCommandLine(options->launch), "-D setup2.ctl");

  const char* exe[] = {"C:\\setup\\SETUP.EXE"};
  options = ParseClientOptions(1, exe, &error);
  ASSERT_TRUE(options);
  EXPECT_TRUE(IsWindowsRuntime(options->launch.runtime));
  EXPECT_EQ(options->image, "C:\\setup\\SETUP.EXE");
  EXPECT_EQ(DebugCommandLine(options->launch), "-D");

  const char* bad[][2] = {{"--batch", nullptr}, {"--frob", "x"}, {"vorna.exe", "--root"}};
  EXPECT_FALSE(ParseClientOptions(1, bad[0], &error));
  EXPECT_FALSE(ParseClientOptions(2, bad[1], &error));
  EXPECT_FALSE(ParseClientOptions(2, bad[2], &error));
  EXPECT_FALSE(ParseClientOptions(0, bad[0], &error));
}

TEST(DebugModuleFilesTest, TheContainerFirstThenPlainFilesInAnyCase) {
  testing::TempFolder folder;
  std::string image = folder / "setup.exe";
  {
    std::ofstream out(image, std::ios::binary);
    authoring::ImageWriter writer(out);
    writer.AppendBytes("MZ stub", 7);
    std::string text = "SUB MAIN\r\n  PRINT 1\r\nEND SUB\r\n";
    writer.AppendContainer({{"SETUP.BAS", std::vector<uint8_t>(text.begin(), text.end())}},
                           kInstallerKey);
    writer.Finish();
  }
  testing::WriteHostFile(folder / "setup.bas", "loose copy\n");
  testing::WriteHostFile(folder / "Extra.Bas", "SUB EXTRA\nEND SUB\n");
  platform::Platform before = platform::Current();
  {
    SourceLibrary library(MakeModuleLoader(image, folder.path()));
    EXPECT_EQ(library.Line("SETUP.BAS", 1), "  PRINT 1");
    EXPECT_EQ(library.Line("EXTRA.BAS", 0), "SUB EXTRA");
    EXPECT_EQ(library.Lines("NOWHERE"), nullptr);
  }
  // The loader's platform is gone with it.
  EXPECT_EQ(platform::Current().files, before.files);
  SourceLibrary plain(MakeModuleLoader("", folder.path()));
  EXPECT_EQ(plain.Line("SETUP.BAS", 0), "loose copy");
}

}  // namespace
}  // namespace vorna::debug
