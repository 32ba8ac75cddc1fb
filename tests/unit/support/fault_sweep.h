// The fault sweep: an operation run once for every failure point the
// portable platform can inject, in both modes, with a check after each run.
//
// For each fault kind the sweep arms "fail the Nth call" (once) and "fail
// from the Nth call on" for N = 1, 2, ... and runs the trial; it stops a kind
// and mode at the first N that the trial never reached, so every call of
// every kind the operation makes fails once, and every tail of them fails
// for good. The trial itself checks the invariant that must survive.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/portable/fault_injector.h"

namespace vorna::testing {

enum class FaultMode { Once, FromThenOn };

/// One run of the sweep: which call of which kind fails, and how.
struct FaultTrial {
  platform::FaultKind kind;
  uint64_t n;
  FaultMode mode;

  /// "write:3" or "write:3+", the text the fault injector parses.
  std::string Text() const;
  /// Disarms every kind, then arms this trial's fault.
  void Arm(platform::FaultInjector& faults) const;
};

/// The three steps of a trial: prepare and check run with no fault armed,
/// run with the trial's fault armed.
struct FaultSweep {
  std::function<void()> prepare;
  std::function<void()> run;
  std::function<void(const FaultTrial&)> check;
};

/// Runs the sweep's trials for every kind (of kinds, when given), mode and N
/// until a run injects nothing; answers the number of trials.
size_t SweepFaults(platform::FaultInjector& faults, const FaultSweep& sweep,
                   const std::vector<platform::FaultKind>& kinds = {});

}  // namespace vorna::testing
