// The install log and the run's outcome, both made from the run's events.
#include "host/startup/install_log.h"

#include <gtest/gtest.h>

#include <sstream>

#include "host/startup/run_outcome.h"
#include "tests/unit/support/fileset_fixture.h"

namespace vorna {
namespace {

using namespace platform::event;
using platform::CopyEnd;
using platform::InstallEvent;
using platform::RunOutcome;

constexpr uint64_t k2020 = 132223104000000000ULL;  // 2020-01-01 00:00:00 UTC

/// Lines of the events whose text no run checks (the others are in
/// tests/runner/*.sh, tests/e2e/unattended.sh and the golden scripts' report
/// lines), as the log writes them after the time stamp.
const std::vector<std::pair<InstallEvent, std::string>> kLines = {
    {RunStarted{"0.1.0", "-A answers.txt", "C:\\SETUP.EXE"},
     "start: Vorna runtime 0.1.0, command line \"-A answers.txt\", image C:\\SETUP.EXE"},
    {QuestionAnswered{"msgbox", "Hello Setup", "Done.\r\nBye.", "OK"},
     "question msgbox \"Hello Setup\" \"Done. / Bye.\": answered OK"},
    {FileWritten{"C:\\App\\A.TXT", platform::FileChange::New, 12, {k2020}},
     "file written (new): C:\\App\\A.TXT, 12 bytes, last write 2020-01-01 00:00:00 UTC"},
    {FileWritten{"C:\\App\\B.TXT", platform::FileChange::Replaced, 0, {k2020 + 10000000}},
     "file written (replaced): C:\\App\\B.TXT, 0 bytes, last write 2020-01-01 00:00:01 UTC"},
    {FileRefused{"..\\D.TXT", "a path outside"}, "file refused: ..\\D.TXT (a path outside)"},
    {FileNotWritten{"C:\\App\\E.TXT", "in use"}, "file not written: C:\\App\\E.TXT (in use)"},
    {RegistryValueWritten{"HKEY_CURRENT_USER\\Software\\Hello", "", "hi"},
     "registry value written: HKEY_CURRENT_USER\\Software\\Hello \"(default)\" = \"hi\""},
    {LibraryRegistration{"C:\\App\\S.DLL", platform::LibraryAction::Register, true},
     "library registered: C:\\App\\S.DLL"},
    {LibraryRegistration{"C:\\App\\S.DLL", platform::LibraryAction::Unregister, false},
     "library unregistration failed: C:\\App\\S.DLL"},
    {ScriptError{"SETUP.BAS", "MAIN", 12, "X = \"A\" + 1", "Type Mismatch Error"},
     "script error: Type Mismatch Error in module SETUP.BAS, procedure MAIN, line 12: "
     "\"X = \"A\" + 1\""},
    {ConsoleOutput{"  two blanks first"}, "console:   two blanks first"},
};

TEST(InstallLog, WritesOneStampedLinePerEvent) {
  testing::SandboxPlatform sandbox;  // its clock stands at 1970-01-01 00:00:00
  std::unique_ptr<InstallLog> log = InstallLog::Create(platform::Current(), "C:\\setup.log");
  ASSERT_TRUE(log);
  std::string expected;
  for (const auto& [event, line] : kLines) {
    log->Receive(event);
    expected += "1970-01-01 00:00:00 " + line + "\r\n";
  }
  log.reset();
  EXPECT_EQ(testing::ReadHostFile(sandbox.Host("setup.log")), expected);
}

struct OutcomeCase {
  const char* what;
  std::vector<InstallEvent> events;
  RunOutcome outcome;
};

TEST(RunOutcome, IsReadFromTheEvents) {
  const CopyEnded failed{CopyEnd::Failed, "could not write", 0};
  const CopyEnded completed{CopyEnd::Completed, "", 3};
  const std::vector<OutcomeCase> cases = {
      {"nothing happened", {}, RunOutcome::Success},
      {"a copy completed", {completed}, RunOutcome::Success},
      {"Abort in the error dialog", {RunFailed{"Abort"}}, RunOutcome::Failed},
      {"a failed copy", {failed}, RunOutcome::Failed},
      {"a failed copy retried", {failed, completed}, RunOutcome::Success},
      {"a quit", {UserQuit{"drive"}}, RunOutcome::Cancelled},
      {"a quit, then asked again", {UserQuit{"path"}, completed}, RunOutcome::Success},
      {"a quit after a failed copy", {failed, UserQuit{"copy"}}, RunOutcome::Failed},
      {"a failure stays", {RunFailed{"start-up"}, completed}, RunOutcome::Failed},
      {"a copy stopped by the user",
       {UserQuit{"copy"}, CopyEnded{CopyEnd::Stopped, "", 0}},
       RunOutcome::Cancelled},
  };
  for (const OutcomeCase& c : cases) {
    RunOutcomeTracker tracker;
    for (const InstallEvent& event : c.events) tracker.Receive(event);
    EXPECT_EQ(tracker.outcome(), c.outcome) << c.what;
  }
  EXPECT_EQ(ExitCodeOf(RunOutcome::Cancelled, kRuntimeExitCodes), 1602);
  EXPECT_EQ(ExitCodeOf(RunOutcome::Failed, kRuntimeExitCodes), 1603);
  EXPECT_EQ(ExitCodeOf(RunOutcome::Failed, kSandboxExitCodes), 1);
  EXPECT_EQ(ExitCodeOf(RunOutcome::Cancelled, kSandboxExitCodes), 3);
}

}  // namespace
}  // namespace vorna
