// Keeps runaway recursion of scripts from exhausting the native stack.
//
// Every procedure call and every level of expression nesting recurses on the
// native stack. Rather than guess a depth that fits every build (sanitizer
// builds use several times the stack per frame), the interpreter measures how
// far the stack has grown since it was created and refuses to go past a
// budget with "Out of Memory", which the script sees as an ordinary error.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorna {

/// The budget when the host sets none: safe on a thread with one megabyte
/// of stack, however much the thread used before the interpreter started.
constexpr size_t kDefaultStackBudget = 512 * 1024;

/// Sets the native stack budget of interpreters created from now on. Hosts
/// that know their thread's stack size call it before the run starts.
void SetNativeStackBudget(size_t bytes);
/// The budget that interpreters created now receive.
size_t NativeStackBudget();

class StackGuard {
 public:
  /// Takes the caller's stack position as the base of the measurement.
  StackGuard();
  /// Raises "Out of Memory" when the stack has grown past the budget since the base.
  void Check() const;
  /// Bytes of native stack between the base and the caller (0 above the base).
  size_t Used() const;

 private:
  uintptr_t base_;
  size_t budget_;
};

}  // namespace vorna
