// An uninstall killed half-way, at any of its removals and just before or
// just after it, and then run again: it finishes, the sandbox is as it was
// before the install, and nothing was removed twice. The folders that hold
// the record go after it: a kill between leaves them empty and no record to
// run again.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>

#include "tests/unit/support/uninstall_fixture.h"

namespace vorna::testing {
namespace {

/// What a killed process leaves: nothing after the point of the kill runs.
struct Killed {};

/// Counts the removals it is shown and ends the run at the armed one.
class RemovalCounter {
 public:
  enum class When { Before, After };

  void Arm(uint64_t n, When when) {
    armedAt_ = n;
    when_ = when;
    seen_ = 0;
  }
  void Disarm() { armedAt_ = 0; }

  /// The sandbox's removal hook: runs one removal of target, counting a
  /// successful one against it.
  bool Removal(const std::string& target, const std::function<bool()>& remove) {
    bool killHere = armedAt_ != 0 && ++seen_ == armedAt_;
    if (killHere && when_ == When::Before) throw Killed{};
    bool removed = remove();
    if (removed) ++removedTimes[Folded(target)];
    if (killHere) throw Killed{};
    return removed;
  }

  std::map<std::string, int> removedTimes;

 private:
  static std::string Folded(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  }
  uint64_t armedAt_ = 0;
  uint64_t seen_ = 0;
  When when_ = When::After;
};

TEST(UninstallKilledTest, AKilledUninstallRunAgainFinishesAndRemovesNothingTwice) {
  for (RemovalCounter::When when : {RemovalCounter::When::Before, RemovalCounter::When::After}) {
    for (uint64_t n = 1;; ++n) {
      UninstallSandbox sandbox;
      auto before = sandbox.Snapshot();
      sandbox.InstallHello();
      RemovalCounter counter;
      auto hook = [&counter](const std::string& target, const std::function<bool()>& remove) {
        return counter.Removal(target, remove);
      };
      sandbox.files_.hook = hook;
      sandbox.registry_.hook = hook;
      counter.Arm(n, when);
      bool killed = false;
      try {
        sandbox.Uninstall();
      } catch (const Killed&) {
        killed = true;
      }
      if (!killed) break;
      counter.Disarm();
      if (std::filesystem::exists(sandbox.Host(kRecordFile))) {
        EXPECT_EQ(sandbox.Uninstall().end, RemovalEnd::Finished) << "killed at removal " << n;
      } else {
        for (const char* holder : {kHello, "C:\\Program Files"}) {
          std::filesystem::remove(sandbox.Host(holder));  // only when empty
        }
      }
      EXPECT_EQ(sandbox.Snapshot(), before) << "killed at removal " << n;
      for (const auto& [target, times] : counter.removedTimes) {
        EXPECT_EQ(times, 1) << target << ", killed at removal " << n;
      }
      ASSERT_LT(n, 50u) << "the uninstall never ends";
    }
  }
}

}  // namespace
}  // namespace vorna::testing
