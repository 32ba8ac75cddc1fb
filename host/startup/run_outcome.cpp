#include "host/startup/run_outcome.h"

namespace vorna {

int ExitCodeOf(platform::RunOutcome outcome, const ExitCodes& codes) {
  switch (outcome) {
    case platform::RunOutcome::Success:
      return codes.success;
    case platform::RunOutcome::Cancelled:
      return codes.cancelled;
    case platform::RunOutcome::Failed:
      break;
  }
  return codes.failed;
}

void RunOutcomeTracker::Receive(const platform::InstallEvent& event) {
  if (std::holds_alternative<platform::event::RunFailed>(event)) failed_ = true;
  if (std::holds_alternative<platform::event::UserQuit>(event)) quit_ = true;
  if (const auto* copy = std::get_if<platform::event::CopyEnded>(&event)) {
    if (copy->result == platform::CopyEnd::Completed) {
      copyFailed_ = quit_ = false;
    } else if (copy->result == platform::CopyEnd::Failed) {
      copyFailed_ = true;
    }
  }
}

platform::RunOutcome RunOutcomeTracker::outcome() const {
  if (failed_ || copyFailed_) return platform::RunOutcome::Failed;
  return quit_ ? platform::RunOutcome::Cancelled : platform::RunOutcome::Success;
}

}  // namespace vorna
