// Fault injection for tests: make the Nth call of a kind fail.
//
// A test (or the portable runner's command line) arms a kind with a number N;
// the Nth call of that kind counted from the arming fails as the operating
// system would have failed it, and every other call goes through. A test can
// walk N from 1 upwards to reach every failure point of an operation.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

namespace vorna::platform {

enum class FaultKind {
  Open,
  Read,
  Write,
  Seek,
  Flush,
  GetTimes,
  SetTimes,
  Delete,
  Move,
  CreateFolder,
  RemoveFolder,
  Replace,
  CreateTemporary,
  RegistryWrite,
  Count,  // number of kinds, not a kind
};

class FaultInjector {
 public:
  FaultInjector() { Reset(); }

  /// Makes the nth call of kind from now on fail (n counts from 1); 0 disarms the kind.
  void FailNth(FaultKind kind, uint64_t n);
  /// Makes every call of kind from the nth on fail (a full disk, a pulled cable).
  void FailFrom(FaultKind kind, uint64_t n);
  /// Disarms every kind and clears the counters.
  void Reset();
  /// Counts one call of kind; true when this call must fail.
  bool ShouldFail(FaultKind kind);
  /// Calls of kind counted since the kind was last armed or reset.
  uint64_t Calls(FaultKind kind) const;

  /// Arms kinds from text such as "write:3,open:1" or "write:5+" (the 5th and
  /// every later call); false (nothing armed) on a malformed text.
  bool Parse(const std::string& text);

  /// The lower-case name of a kind as Parse reads it ("open", "write", ...).
  static const char* Name(FaultKind kind);

 private:
  struct Arm {
    std::atomic<uint64_t> calls{0};
    std::atomic<uint64_t> failAt{0};
    std::atomic<bool> andLater{false};
  };
  std::array<Arm, static_cast<size_t>(FaultKind::Count)> arms_;
};

}  // namespace vorna::platform
