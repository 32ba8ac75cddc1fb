#include "fault_sweep.h"

#include <gtest/gtest.h>

namespace vorna::testing {

namespace {

// More calls of one kind than any trial of these tests makes: a sweep that
// gets here would never end.
constexpr uint64_t kRunaway = 100000;

void Arm(platform::FaultInjector& faults, const FaultTrial& trial) {
  faults.Reset();
  if (trial.mode == FaultMode::Once) {
    faults.FailNth(trial.kind, trial.n);
  } else {
    faults.FailFrom(trial.kind, trial.n);
  }
}

}  // namespace

std::string FaultTrial::Text() const {
  return std::string(platform::FaultInjector::Name(kind)) + ":" + std::to_string(n) +
         (mode == FaultMode::FromThenOn ? "+" : "");
}

size_t SweepFaults(platform::FaultInjector& faults, const FaultSweep& sweep) {
  size_t trials = 0;
  for (size_t k = 0; k < static_cast<size_t>(platform::FaultKind::Count); ++k) {
    for (FaultMode mode : {FaultMode::Once, FaultMode::FromThenOn}) {
      for (uint64_t n = 1; n < kRunaway; ++n) {
        FaultTrial trial{static_cast<platform::FaultKind>(k), n, mode};
        faults.Reset();
        sweep.prepare();
        Arm(faults, trial);
        sweep.run();
        bool injected = faults.Calls(trial.kind) >= n;
        faults.Reset();
        sweep.check(trial);
        ++trials;
        if (!injected) break;
        if (n + 1 == kRunaway) ADD_FAILURE() << "the sweep does not end at " << trial.Text();
      }
    }
  }
  return trials;
}

}  // namespace vorna::testing
