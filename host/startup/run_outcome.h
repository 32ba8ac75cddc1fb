// How a run ended, read from its events, and the exit code that tells it.
//
// A run succeeds unless one of these happened:
// - it failed: a script error answered with Abort, an internal error, a
//   start-up failure, an unanswered question of an unattended run; or a copy
//   failed and no later COPYFILES of the run completed (a retry that works
//   handles the failure);
// - the user quit: an install step's quit question was answered Yes and no
//   later COPYFILES completed.
// A failure outweighs a quit.
#pragma once

#include "platform/install_events.h"

namespace vorna {

/// The exit code of each outcome.
struct ExitCodes {
  int success;
  int cancelled;
  int failed;
};

/// vorna.exe: the codes deployment tools expect of an installer.
constexpr ExitCodes kRuntimeExitCodes{0, 1602, 1603};
/// vorna-run (8-bit exit codes; 2 is kept for the runner's own misuse).
constexpr ExitCodes kSandboxExitCodes{0, 3, 1};

/// The exit code of outcome in codes.
int ExitCodeOf(platform::RunOutcome outcome, const ExitCodes& codes);

class RunOutcomeTracker : public platform::InstallEventSink {
 public:
  void Receive(const platform::InstallEvent& event) override;
  /// The outcome of the events so far.
  platform::RunOutcome outcome() const;

 private:
  bool failed_ = false;      // nothing later in the run can make up for it
  bool copyFailed_ = false;  // the last copy failed
  bool quit_ = false;        // the user quit since the last completed copy
};

}  // namespace vorna
