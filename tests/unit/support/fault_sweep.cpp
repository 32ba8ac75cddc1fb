#include "fault_sweep.h"

#include <gtest/gtest.h>

namespace vorna::testing {

namespace {

// More calls of one kind than any trial of these tests makes: a sweep that
// gets here would never end.
constexpr uint64_t kRunaway = 100000;

}  // namespace

void FaultTrial::Arm(platform::FaultInjector& faults) const {
  faults.Reset();
  if (mode == FaultMode::Once) {
    faults.FailNth(kind, n);
  } else {
    faults.FailFrom(kind, n);
  }
}

std::string FaultTrial::Text() const {
  return std::string(platform::FaultInjector::Name(kind)) + ":" + std::to_string(n) +
         (mode == FaultMode::FromThenOn ? "+" : "");
}

size_t SweepFaults(platform::FaultInjector& faults, const FaultSweep& sweep,
                   const std::vector<platform::FaultKind>& kinds) {
  std::vector<platform::FaultKind> swept = kinds;
  for (size_t k = 0; kinds.empty() && k < static_cast<size_t>(platform::FaultKind::Count); ++k)
    swept.push_back(static_cast<platform::FaultKind>(k));
  size_t trials = 0;
  for (platform::FaultKind kind : swept) {
    for (FaultMode mode : {FaultMode::Once, FaultMode::FromThenOn}) {
      for (uint64_t n = 1; n < kRunaway; ++n) {
        FaultTrial trial{kind, n, mode};
        faults.Reset();
        if (sweep.prepare) sweep.prepare();
        trial.Arm(faults);
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
